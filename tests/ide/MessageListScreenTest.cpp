#include <gtest/gtest.h>

#include <QListWidget>

#include "ide/MessageList.h"
#include "tests/support/gui/FixedLook.h"
#include "tests/support/gui/ScreenProbe.h"

// What the message list shows: its lines, the last one selected.
TEST(MessageListScreenTest, ShowsTheLinesWithTheLastOneSelected)
{
    QListWidget list;
    list.resize(300, 120);
    TMessageList messages(list, nullptr);
    messages.AddLine("Compiling Hello.java", nullptr);
    messages.AddLine("Linking Hello", nullptr);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentItem()->text().toStdString(), "Linking Hello");

    QImage image = GrabToPng(list, "messages");
    QRect first = list.visualItemRect(list.item(0)).translated(list.viewport()->pos());
    QRect last = list.visualItemRect(list.item(1)).translated(list.viewport()->pos());
    EXPECT_EQ(DominantColor(image, first), QColor(TestLook::Base));
    EXPECT_TRUE(HasColor(image, first, QColor(TestLook::Text))) << "no text on the first line";
    EXPECT_EQ(DominantColor(image, last), QColor(TestLook::Highlight));
    EXPECT_TRUE(HasColor(image, last, QColor(TestLook::HighlightedText))) << "no text on the selected line";
}
