#include "UiTestSupport.h"
#include <QtTest>
class FatalErrorTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};
SILTMERE_UI_TEST_MAIN(FatalErrorTest)
#include "FatalErrorTest.moc"
