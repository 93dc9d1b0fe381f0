#include "UiTestSupport.h"
#include <QtTest>
class Form1LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
SILTMERE_UI_TEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
