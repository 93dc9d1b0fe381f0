#include "UiTestSupport.h"
#include <QtTest>
class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
SILTMERE_UI_TEST_MAIN(Form2Test)
#include "Form2Test.moc"
