#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "foundation/Options.h"
#include "ide/dialogs/ChoosePath.h"
#include "ide/dialogs/ChoosePort.h"

namespace {

QStringList Items(const QListWidget& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
    return items;
}

void ClickRow(QListWidget& list, int row)
{
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

class ChoosePathTest : public ::testing::Test {
protected:
    void Open(const QString& path)
    {
        dialog.Path->setText(path);
        dialog.show();
    }
    TChoosePath dialog;
};

class ChoosePortTest : public ::testing::Test {
protected:
    void SetUp() override { saved = GlobalOptions; }
    void TearDown() override { GlobalOptions = saved; }
    void Type(const QString& digits)
    {
        dialog.ComNumber->clear();
        QTest::keyClicks(dialog.ComNumber, digits);
    }
    tOptions saved;
    TChoosePort dialog;
};

}  // namespace

TEST_F(ChoosePathTest, PathWithEmptyPiecesComesBackByteForByte)
{
    Open("/a;/b;;/d;");
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/a", "/b", "", "/d", ""}));
    EXPECT_FALSE(dialog.Add->isEnabled() || dialog.Replace->isEnabled() || dialog.Delete->isEnabled());
    dialog.Path->clear();
    QTest::mouseClick(dialog.Button4, Qt::LeftButton);
    EXPECT_EQ(dialog.Path->text(), "/a;/b;;/d;");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ChoosePathTest, ClickTypingAndTheButtons)
{
    Open("/a;/b;/c");
    ClickRow(*dialog.PathList, 1);
    EXPECT_EQ(dialog.EditPath->text(), "/b");
    EXPECT_TRUE(dialog.Replace->isEnabled() && dialog.Delete->isEnabled());
    EXPECT_FALSE(dialog.Add->isEnabled());
    QTest::keyClicks(dialog.EditPath, "2");
    EXPECT_TRUE(dialog.Add->isEnabled() && dialog.Replace->isEnabled());
    EXPECT_FALSE(dialog.Delete->isEnabled());
    QTest::mouseClick(dialog.Replace, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/a", "/b2", "/c"}));
    EXPECT_FALSE(dialog.Add->isEnabled() || dialog.Replace->isEnabled() || dialog.Delete->isEnabled());
    dialog.ChooseDirectory = [] { return QString("/chosen"); };
    QTest::mouseClick(dialog.SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(dialog.EditPath->text(), "/chosen");
    EXPECT_TRUE(dialog.Add->isEnabled());
    QTest::mouseClick(dialog.Add, Qt::LeftButton);
    ClickRow(*dialog.PathList, 0);
    QTest::mouseClick(dialog.Delete, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/b2", "/c", "/chosen"}));
    EXPECT_EQ(dialog.EditPath->text(), "");
    // An empty edit adds nothing.
    dialog.AddClick();
    EXPECT_EQ(dialog.PathList->count(), 3);
}

TEST_F(ChoosePathTest, MovesStopAtTheEnds)
{
    Open("/a;/b;/c");
    ClickRow(*dialog.PathList, 0);
    QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/a", "/b", "/c"}));
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/b", "/c", "/a"}));
    EXPECT_EQ(dialog.PathList->currentRow(), 2);
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/b", "/c", "/a"}));
    QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PathList), (QStringList{"/b", "/a", "/c"}));
    QTest::mouseClick(dialog.Button5, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ChoosePortTest, ListsTheValidPortsAndAddsNumbersAsTyped)
{
    GlobalOptions.NumValidPorts = 2;
    GlobalOptions.ValidPort[0] = 1;
    GlobalOptions.ValidPort[1] = 3;
    dialog.show();
    EXPECT_EQ(Items(*dialog.PortList), (QStringList{"COM1", "COM3"}));
    EXPECT_FALSE(dialog.AddButton->isEnabled());
    EXPECT_FALSE(dialog.DeleteButton->isEnabled());
    Type("7");
    QTest::mouseClick(dialog.AddButton, Qt::LeftButton);
    Type("07");
    QTest::mouseClick(dialog.AddButton, Qt::LeftButton);
    Type("123");
    EXPECT_EQ(dialog.ComNumber->text(), "12");
    QTest::mouseClick(dialog.AddButton, Qt::LeftButton);
    EXPECT_EQ(Items(*dialog.PortList), (QStringList{"COM1", "COM3", "COM7", "COM07", "COM12"}));
    for (const char* refused : {"0", "00", "20", "x"}) {
        Type(refused);
        EXPECT_FALSE(dialog.AddButton->isEnabled()) << refused;
        dialog.AddButtonClick();
    }
    EXPECT_EQ(dialog.PortList->count(), 5);
    ClickRow(*dialog.PortList, 0);
    EXPECT_TRUE(dialog.DeleteButton->isEnabled());
    QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
    EXPECT_EQ(dialog.Ports(), (std::vector<std::string>{"COM3", "COM7", "COM07", "COM12"}));
}

TEST_F(ChoosePortTest, AutoTakesWhatTheSystemReports)
{
    GlobalOptions.NumValidPorts = 1;
    GlobalOptions.ValidPort[0] = 5;
    dialog.ListPorts = [](std::vector<std::string>& list) { list = {"COM2", "COM9"}; };
    dialog.show();
    QTest::mouseClick(dialog.Button5, Qt::LeftButton);
    EXPECT_EQ(dialog.Ports(), (std::vector<std::string>{"COM2", "COM9"}));
    QTest::mouseClick(dialog.Button3, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
