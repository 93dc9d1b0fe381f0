#include "UiTestSupport.h"
#include <QtTest>
class Form1RandomSequenceTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
SILTMERE_UI_TEST_MAIN(Form1RandomSequenceTest)
#include "Form1RandomSequenceTest.moc"
