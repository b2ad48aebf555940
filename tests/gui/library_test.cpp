#include "gui/form_fixture.h"
#include <QTest>
class LibraryTest : public QObject { Q_OBJECT };
QTEST_MAIN(LibraryTest)
#include "library_test.moc"
