#include "app/tests/WindowFixture.h"

#include <QListWidget>

namespace app::testing {
namespace {

using ResultList = WindowFixture;

TEST_F(ResultList, LinesGetALeadingSpaceAndTheNewestIsSelected) {
    frmTime& window = Window();
    window.ShowResult("one");
    window.ShowResult("");
    window.ShowResult("two");
    EXPECT_EQ(ResultLines(window), (QStringList{" one", "", " two"}));
    EXPECT_EQ(window.lstResult->currentRow(), 2);
    window.ShowResult("");
    EXPECT_EQ(window.lstResult->currentRow(), 2); // an empty line is not selected
}

TEST_F(ResultList, ClearEmptiesOnlyWhenSpelledExactly) {
    frmTime& window = Window();
    window.ShowResult("a");
    window.ShowResult("clear");
    EXPECT_EQ(window.lstResult->count(), 2);
    window.ShowResult("CLEAR");
    EXPECT_EQ(window.lstResult->count(), 0);
}

TEST_F(ResultList, MoreThan300LinesAreEmptiedBeforeTheNextLine) {
    frmTime& window = Window();
    for (int i = 0; i < 300; ++i)
        window.ShowResult(QString::number(i));
    window.ShowResult("301st");
    EXPECT_EQ(window.lstResult->count(), 301);
    window.ShowResult("302nd");
    EXPECT_EQ(ResultLines(window), QStringList{" 302nd"});
}

} // namespace
} // namespace app::testing
