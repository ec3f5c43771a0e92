// The calculation document of every example project, read back by independent PDF readers:
// its text holds every figure of the "/I" report, its pages are A4 and render, its fonts are
// embedded, no word leaves its page or lies on another, and its bookmarks name the report's
// blocks. Also the refusals of the batch form.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/output_test_support.h"
#include "support/program_runs.h"

namespace bxr {
namespace {

// Runs the shell command in folder; standard output to `out` in it. The exit code.
int Shell(const std::string& folder, const std::string& command, const std::string& out = "out") {
    const std::string line = "cd " + test::ShellQuote(folder) + " && " + command + " >" +
                             test::ShellQuote(out) + " 2>" + test::ShellQuote(out + ".err");
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Wbxr() {
    return test::ShellQuote(test::BuiltWbxr());
}

std::string BatchRun(const std::string& project, const std::string& mode) {
    return "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Wbxr() + " " +
           test::ShellQuote(std::string(BXR_SOURCE_DATA_DIR) + "/" + project) + " " + mode;
}

// Every figure of a text with how often it stands there.
std::map<std::string, int> Figures(const std::string& text) {
    static const std::regex figure(R"([-+]?[0-9]+(?:[.,][0-9]+)*)");
    std::map<std::string, int> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), figure);
         it != std::sregex_iterator(); ++it)
        ++found[it->str()];
    return found;
}

struct Box {
    double x0, y0, x1, y1;
    std::string word;
};
struct Page {
    double width = 0, height = 0;
    std::vector<Box> words;
};

// The pages and word boxes of "pdftotext -bbox".
std::vector<Page> WordBoxes(const std::string& html) {
    static const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const std::regex word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    static const std::regex tag(R"(<page [^>]*>|<word [^>]*>[^<]*</word>)");
    std::vector<Page> pages;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::string text = it->str();
        std::smatch t;
        if (std::regex_match(text, t, page)) {
            pages.push_back({std::stod(t[1]), std::stod(t[2]), {}});
        } else if (std::regex_match(text, t, word) && !pages.empty()) {
            pages.back().words.push_back(
                {std::stod(t[1]), std::stod(t[2]), std::stod(t[3]), std::stod(t[4]), t[5]});
        }
    }
    return pages;
}

struct Example {
    const char* project;
    // The blocks of its report, in their order, as the bookmarks under the report name them.
    std::vector<std::string> blocks;
    // Drawing pages counted from the last, left out of the overlap check: the 3-D view (1)
    // and the section stress view (2) write their labels at any angle, whose upright boxes
    // from pdftotext overlap where the letters do not; others as noted.
    std::vector<int> crowdedFromEnd = {1, 2};
};

const std::vector<Example>& Examples() {
    static const std::vector<Example> examples = {
        {"getriebewelle.bxr",
         {"GEOMETRIE KONTUR", "ERGEBNISSE QUERSCHNITT", "ERGEBNISSE KÖRPER",
          "ZONEN MIT KERBWIRKUNG", "EINZELKRÄFTE", "AXIALKRÄFTE", "WERKSTOFFDATEN",
          "LAGERUNG:  Fest-/Los-Lagerung", "EXTREMWERTE",
          "SPANNUNGEN (Kerbwirkung und Oberflächeneinfluß nach Dubbel)"}},
        {"durchlauftraeger.bxr",
         {"GEOMETRIE KONTUR", "ERGEBNISSE QUERSCHNITT", "ERGEBNISSE KÖRPER",
          "STRECKENLASTEN(incl. Eigengewicht)", "WERKSTOFFDATEN",
          "LAGERUNG:  Fest-/Los-Lagerung (4 Lagerstellen)", "EXTREMWERTE",
          "SPANNUNGEN (Kerbwirkung und Oberflächeneinfluß nicht berücksichtigt)",
          "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"},
         // The schema writes the values of the two distributed loads at one place.
         {1, 2, 9}},
        {"konsole.bxr", {}},
        {"antriebswelle.bxr", {}},
    };
    return examples;
}

TEST(calc_document_test, every_example_reads_back_in_independent_pdf_readers) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.project);
        const std::string folder = test::MakeTempFolder();
        const std::string name = std::string(e.project).substr(0, std::string(e.project).find('.'));
        ASSERT_EQ(Shell(folder, BatchRun(e.project, "/I /NOGUI")), 0);
        ASSERT_EQ(Shell(folder, BatchRun(e.project, "/PDF /NOGUI")), 0)
            << test::Slurp(folder + "out.err");
        EXPECT_EQ(test::Slurp(folder + "out.err"), "");
        const std::string pdf = test::ShellQuote(name + ".pdf");

        // Every figure of the report, as often as it stands there; the report's time of day
        // may have moved on by a minute between the two runs.
        std::string report = test::Slurp(folder + name + ".txt");
        const std::size_t second = report.find('\n');
        report.erase(second, report.find('\n', second + 1) - second);
        ASSERT_EQ(Shell(folder, "pdftotext -layout " + pdf + " -", "text"), 0);
        const auto inDocument = Figures(test::Slurp(folder + "text"));
        for (const auto& [figure, count] : Figures(report)) {
            auto it = inDocument.find(figure);
            EXPECT_GE(it == inDocument.end() ? 0 : it->second, count) << figure;
        }

        // A4 pages, each of which renders.
        ASSERT_EQ(Shell(folder, "pdfinfo -f 1 -l 999 " + pdf, "info"), 0);
        const std::string info = test::Slurp(folder + "info");
        std::smatch pages;
        ASSERT_TRUE(std::regex_search(info, pages, std::regex(R"(Pages:\s+([0-9]+))")));
        const int pageCount = std::stoi(pages[1]);
        const std::regex a4(R"(Page +[0-9]+ size: +59[45](\.\d+)? x 84[12](\.\d+)? pts \(A4\))");
        EXPECT_EQ(std::distance(std::sregex_iterator(info.begin(), info.end(), a4),
                                std::sregex_iterator()),
                  pageCount);
        EXPECT_NE(info.find("Subject:         BXR"), std::string::npos);
        ASSERT_EQ(Shell(folder, "pdftoppm -r 12 -png " + pdf + " page && ls page-*.png | wc -l",
                        "rendered"),
                  0);
        EXPECT_EQ(std::stoi(test::Slurp(folder + "rendered")), pageCount);

        // Every font embedded: the "emb" column of each font line says "yes".
        ASSERT_EQ(Shell(folder, "pdffonts " + pdf, "fonts"), 0);
        const std::string fonts = test::Slurp(folder + "fonts");
        const std::regex fontLine(R"(\n\S+ +.+ +(yes|no) +(yes|no) +(yes|no) +\d+ +\d+)");
        int fontCount = 0;
        for (auto it = std::sregex_iterator(fonts.begin(), fonts.end(), fontLine);
             it != std::sregex_iterator(); ++it, ++fontCount)
            EXPECT_EQ((*it)[1], "yes") << it->str();
        EXPECT_GT(fontCount, 0);

        // No word outside its page or over another.
        ASSERT_EQ(Shell(folder, "pdftotext -bbox " + pdf + " -", "boxes"), 0);
        const std::vector<Page> boxes = WordBoxes(test::Slurp(folder + "boxes"));
        ASSERT_EQ(static_cast<int>(boxes.size()), pageCount);
        for (std::size_t p = 0; p < boxes.size(); ++p) {
            const int fromEnd = pageCount - static_cast<int>(p);
            const bool crowded =
                std::count(e.crowdedFromEnd.begin(), e.crowdedFromEnd.end(), fromEnd) > 0;
            const auto& words = boxes[p].words;
            for (std::size_t i = 0; i < words.size(); ++i) {
                const Box& a = words[i];
                EXPECT_TRUE(a.x0 >= 0 && a.y0 >= 0 && a.x1 <= boxes[p].width &&
                            a.y1 <= boxes[p].height)
                    << "page " << p + 1 << ": " << a.word;
                for (std::size_t j = i + 1; j < words.size() && !crowded; ++j) {
                    const Box& b = words[j];
                    const double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
                    const double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
                    // The boxes hold the font's whole ascent and descent, a sixth of an em
                    // more than lines set one text height apart need: a quarter is allowed.
                    const double minW = std::min(a.x1 - a.x0, b.x1 - b.x0);
                    const double minH = std::min(a.y1 - a.y0, b.y1 - b.y0);
                    EXPECT_FALSE(w > 0.25 * minW && h > 0.25 * minH)
                        << "page " << p + 1 << ": '" << a.word << "' over '" << b.word << "'";
                }
            }
        }

        // The bookmarks: the report's blocks under the report, in their order.
        if (e.blocks.empty()) continue;
        ASSERT_EQ(Shell(folder, "pdftohtml -xml -i -stdout " + pdf, "xml"), 0);
        const std::string xml = test::Slurp(folder + "xml");
        const std::size_t report0 = xml.find(">Ergebnisbericht</item>");
        ASSERT_NE(report0, std::string::npos);
        const std::size_t inner = xml.find("<outline>", report0);
        const std::size_t innerEnd = xml.find("</outline>", inner);
        ASSERT_NE(inner, std::string::npos);
        std::vector<std::string> marks;
        const std::string tree = xml.substr(inner, innerEnd - inner);
        const std::regex item(R"re(<item page="\d+">([^<]*)</item>)re");
        for (auto it = std::sregex_iterator(tree.begin(), tree.end(), item);
             it != std::sregex_iterator(); ++it)
            marks.push_back((*it)[1]);
        EXPECT_EQ(marks, e.blocks);
    }
}

TEST(calc_document_test, batch_form_refuses_as_the_report_does) {
    const std::string folder = test::MakeTempFolder();
    const std::string bracket = test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/konsole.bxr");
    test::WriteFile(folder + "p.pdf", bracket);
    struct Case {
        std::string params;
        int exitCode;
    } cases[] = {
        {test::ShellQuote(folder + "missing.bxr") + " /PDF", 1},
        {test::ShellQuote(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr") +
             " /PDF /SMIN:abc",
         1},
        {test::ShellQuote(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr") +
             " /PDF /SMIN:0",
         1},
        {test::ShellQuote(std::string(BXR_SOURCE_DATA_DIR) + "/null.bxr") + " /PDF", 1},
        // A project named like the document is never replaced by it.
        {"p.pdf /PDF", 1},
        {test::ShellQuote(std::string(BXR_SOURCE_DATA_DIR) + "/konsole.bxr") +
             " /pdf /SMIN:2,5 /NOGUI",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.params);
        const int code = Shell(folder, "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                           Wbxr() + " " + c.params);
        EXPECT_EQ(code, c.exitCode);
        const std::string err = test::Slurp(folder + "out.err");
        if (c.exitCode != 0) {
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
    }
    EXPECT_EQ(test::Slurp(folder + "p.pdf"), bracket);
    EXPECT_FALSE(test::Slurp(folder + "konsole.pdf").empty());
}

}  // namespace
}  // namespace bxr
