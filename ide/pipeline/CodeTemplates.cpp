#include "ide/pipeline/CodeTemplates.h"

const std::array<TCodeTemplate, CodeTemplateCount>& CodeTemplates()
{
    static const std::array<TCodeTemplate, CodeTemplateCount> templates{{
        {"array declaration (int initialized)", {"/**", " *", " */", "int [] = {1, 2, 3};"}},
        {"class declaration", {"public class {", "}"}},
        {"class declaration (extends)", {"public class   extends Object {", "}"}},
        {"complete program",
         {"import torve.core.*;", "/**", " * Put a one line description of your class here.", " * <p>",
          " * This comment should contain a description of the class. What it",
          " * is for, what it does, how it use it.", " *",
          " * You should rename the class and then save it in a file with",
          " * exactly the same name as the class.", " *", " * @version 1.0 Date", " * @author Your Name Here",
          " */", "public class ClassName {", "  public static void main() {", "  }", "}"}},
        {"debugging output", {"System.out.println(\"\");"}},
        {"do-while statement", {"do {", "} while (  );"}},
        {"field declaration", {"/**", " *", " */", "int ;"}},
        {"for (count)", {"for ( int i = 0; i < ; i++ ) {", "}"}},
        {"for statement", {"for ( ; ; ) {", "}"}},
        {"if else", {"if (  ) {", "}", "else {", "}"}},
        {"if statement", {"if (  ) {", "}"}},
        {"method (with throws clause)",
         {"/**", " *", " *", " * @param", " * @return", " */", "public void () throws Exception {", "}"}},
        {"method declaration", {"/**", " *", " *", " * @param", " * @return", " */", "void () {", "}"}},
        {"method declaration (public)",
         {"/**", " *", " *", " * @param", " * @return", " */", "public void () {", "}"}},
        {"switch statement",
         {"switch (  ) {", "case a:", "        break;", "case b:", "        break;", "}"}},
        {"switch statement (with default)",
         {"switch (  ) {", "  case a: ", "         break;", "  case b:", "         break;", "  default:", "}"}},
        {"try-catch block", {"try {", "}", "catch ( ) {", "}"}},
        {"try-catch-finally block", {"try {", "}", "catch (  ) {", "}", "finally {", "}"}},
        {"while statement", {"while (  ) {", "}"}},
    }};
    return templates;
}

const std::vector<std::string_view>& NewClassSkeleton()
{
    static const std::vector<std::string_view> skeleton{
        "import torve.core.*;",
        "",
        "/**",
        " * Put a one line description of your class here.",
        " * <p>",
        " * This comment should contain a description of the class. What it ",
        " * is for, what it does and how to use it.",
        " *  ",
        " * You should rename the class and then save it in a file with ",
        " * exactly the same name as the class.",
        " *  ",
        " * @version 1.0 Date",
        " * @author Your Name Here",
        " */",
        "",
        "public class MyClass {",
        "",
        "  // Put variables here.",
        "  static int myVar;",
        "",
        "  public static void main() {",
        "    // Your code goes here.",
        "  }",
        "",
        "}",
    };
    return skeleton;
}
