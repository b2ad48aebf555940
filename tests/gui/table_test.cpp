#include "gui/form_fixture.h"
#include <QTest>
class TableTest : public QObject { Q_OBJECT };
QTEST_MAIN(TableTest)
#include "table_test.moc"
