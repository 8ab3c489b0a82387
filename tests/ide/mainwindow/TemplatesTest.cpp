#include <QListWidget>
#include <QTest>
#include <sstream>

#include "ide/pipeline/CodeTemplates.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"

namespace {
// Every template, then the skeleton, one line a row; "|" ends each line so
// that trailing blanks show.
const char* const ExpectedTemplates = R"(array declaration (int initialized)
/**|
 *|
 */|
int [] = {1, 2, 3};|
class declaration
public class {|
}|
class declaration (extends)
public class   extends Object {|
}|
complete program
import torve.core.*;|
/**|
 * Put a one line description of your class here.|
 * <p>|
 * This comment should contain a description of the class. What it|
 * is for, what it does, how it use it.|
 *|
 * You should rename the class and then save it in a file with|
 * exactly the same name as the class.|
 *|
 * @version 1.0 Date|
 * @author Your Name Here|
 */|
public class ClassName {|
  public static void main() {|
  }|
}|
debugging output
System.out.println("");|
do-while statement
do {|
} while (  );|
field declaration
/**|
 *|
 */|
int ;|
for (count)
for ( int i = 0; i < ; i++ ) {|
}|
for statement
for ( ; ; ) {|
}|
if else
if (  ) {|
}|
else {|
}|
if statement
if (  ) {|
}|
method (with throws clause)
/**|
 *|
 *|
 * @param|
 * @return|
 */|
public void () throws Exception {|
}|
method declaration
/**|
 *|
 *|
 * @param|
 * @return|
 */|
void () {|
}|
method declaration (public)
/**|
 *|
 *|
 * @param|
 * @return|
 */|
public void () {|
}|
switch statement
switch (  ) {|
case a:|
        break;|
case b:|
        break;|
}|
switch statement (with default)
switch (  ) {|
  case a: |
         break;|
  case b:|
         break;|
  default:|
}|
try-catch block
try {|
}|
catch ( ) {|
}|
try-catch-finally block
try {|
}|
catch (  ) {|
}|
finally {|
}|
while statement
while (  ) {|
}|
new class
import torve.core.*;|
|
/**|
 * Put a one line description of your class here.|
 * <p>|
 * This comment should contain a description of the class. What it |
 * is for, what it does and how to use it.|
 *  |
 * You should rename the class and then save it in a file with |
 * exactly the same name as the class.|
 *  |
 * @version 1.0 Date|
 * @author Your Name Here|
 */|
|
public class MyClass {|
|
  // Put variables here.|
  static int myVar;|
|
  public static void main() {|
    // Your code goes here.|
  }|
|
}|
)";

struct TExpected {
    std::string Name;
    std::vector<std::string> Lines;
};

std::vector<TExpected> Expected()
{
    std::vector<TExpected> all;
    std::istringstream in(ExpectedTemplates);
    for (std::string row; std::getline(in, row);) {
        if (!row.empty() && row.back() == '|')
            all.back().Lines.push_back(row.substr(0, row.size() - 1));
        else
            all.push_back({row, {}});
    }
    return all;
}
}  // namespace

class TemplatesTest : public MainWindowTest {
protected:
    std::vector<std::string> PageLines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Page()->Lines().Count(); ++i) lines.push_back(Page()->Lines().Get(i));
        return lines;
    }
    void FillPage(int count)
    {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "line" + std::to_string(i) + "\r\n";
        Type(text);
        Page()->SetModified(false);
    }
    void ClickTemplate(int index)
    {
        QListWidget* list = form->TemplateList;
        const QRect cell = list->visualItemRect(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(TemplatesTest, ListShowsTheNamesInOrderAndEachTemplateLandsByteForByte)
{
    const std::vector<TExpected> expected = Expected();
    ASSERT_EQ(expected.size(), static_cast<size_t>(CodeTemplateCount + 1));
    QListWidget* list = form->TemplateList;
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(list->pos(), QPoint(72, 128));
    EXPECT_EQ(list->height(), 69);
    ASSERT_EQ(list->count(), CodeTemplateCount);
    form->show();
    form->Action("ShowCodeTemplates")->trigger();
    for (int i = 0; i < CodeTemplateCount; ++i)  // no name is cut
        EXPECT_LE(list->visualItemRect(list->item(i)).x() + list->sizeHintForIndex(list->model()->index(i, 0)).width(),
                  list->viewport()->width())
            << expected[i].Name;
    for (int i = 0; i < CodeTemplateCount; ++i) {
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(list->item(i)->text().toStdString(), expected[i].Name);
        form->NewFileExecute();
        form->Action("ShowCodeTemplates")->trigger();
        ASSERT_TRUE(list->isVisible());
        list->scrollToItem(list->item(i));
        ClickTemplate(i);
        EXPECT_FALSE(list->isVisible());
        std::vector<std::string> lines = expected[i].Lines;
        lines.push_back("");  // the empty page's line, below the template
        EXPECT_EQ(PageLines(), lines);
        EXPECT_TRUE(Page()->Modified());
    }
    form->NewFileExecute();
    form->Action("InsertTemplate")->trigger();
    EXPECT_EQ(PageLines(), expected.back().Lines);
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{1, 1}));
    EXPECT_TRUE(Page()->Modified());
}

TEST_F(TemplatesTest, TemplateGoesAboveTheCaretLineIndentedToItsColumnAndUndoesInOneStep)
{
    FillPage(12);
    Page()->SetCaretXY(TBufferCoord{2, 3});
    Page()->SetSelText("x");  // an earlier, undoable edit on line 3
    Page()->SetCaretXY(TBufferCoord{5, 10});
    form->SelectTemplate(9);  // "if else"
    std::vector<std::string> lines = PageLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.begin() + 14),
              (std::vector<std::string>{"    if (  ) {", "    }", "    else {", "    }", "line10"}));
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{5, 14}));
    EXPECT_TRUE(Page()->Modified());

    Page()->Undo();
    lines = PageLines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[9], "line10");
    EXPECT_EQ(lines[2], "lxine3");
    Page()->Undo();
    lines = PageLines();
    EXPECT_EQ(lines[2], "line3");
    EXPECT_EQ(lines[9], "line10");
}

TEST_F(TemplatesTest, SkeletonIsAppendedBelowTheTextAndTheCaretStays)
{
    FillPage(2);
    Page()->SetCaretXY(TBufferCoord{3, 1});
    form->InsertTemplateExecute();
    const std::vector<std::string> lines = PageLines();
    ASSERT_EQ(lines.size(), 3u + NewClassSkeleton().size());
    EXPECT_EQ(lines[1], "line2");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "import torve.core.*;");
    EXPECT_EQ(lines.back(), "}");
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{3, 1}));
    EXPECT_TRUE(Page()->Modified());
}

TEST_F(TemplatesTest, WithoutAPageNothingShowsOrChanges)
{
    ASSERT_TRUE(form->CloseSourcePage(0));
    ASSERT_EQ(form->PageCount(), 0);
    form->show();
    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(form->TemplateList->isVisible());
    form->SelectTemplate(0);
    form->InsertTemplateExecute();
    EXPECT_EQ(form->PageCount(), 0);
}
