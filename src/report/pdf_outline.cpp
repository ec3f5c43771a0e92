#include "report/pdf_outline.h"

#include <charconv>
#include <cstdio>

namespace bxr {

namespace {

// A number written after `key` (skipping blanks); nothing when there is none.
std::optional<long> NumberAfter(std::string_view text, std::string_view key,
                                std::size_t from = 0) {
    const std::size_t at = text.find(key, from);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t i = at + key.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
    long value = 0;
    auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data() + i) return std::nullopt;
    return value;
}

struct XrefTable {
    std::vector<long> offsets;  // by object number; -1 free or unknown
    long size = 0;
    long root = 0;
    std::string trailerId;  // the /ID array as written, when there is one
};

std::optional<XrefTable> ReadXref(std::string_view pdf) {
    const std::size_t s = pdf.rfind("startxref");
    if (s == std::string_view::npos) return std::nullopt;
    auto start = NumberAfter(pdf, "startxref", s);
    if (!start || *start < 0 || static_cast<std::size_t>(*start) >= pdf.size()) return std::nullopt;
    std::string_view rest = pdf.substr(static_cast<std::size_t>(*start));
    if (rest.substr(0, 4) != "xref") return std::nullopt;
    XrefTable t;
    std::size_t i = 4;
    // Subsections "first count" and their 20-byte entries, up to the trailer.
    for (;;) {
        while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\r' || rest[i] == '\n')) ++i;
        if (rest.substr(i, 7) == "trailer") break;
        long first = 0, count = 0;
        auto r1 = std::from_chars(rest.data() + i, rest.data() + rest.size(), first);
        if (r1.ec != std::errc()) return std::nullopt;
        i = static_cast<std::size_t>(r1.ptr - rest.data()) + 1;
        auto r2 = std::from_chars(rest.data() + i, rest.data() + rest.size(), count);
        if (r2.ec != std::errc() || first < 0 || count < 0 || count > 10000000) return std::nullopt;
        i = static_cast<std::size_t>(r2.ptr - rest.data());
        while (i < rest.size() && rest[i] != '\n') ++i;
        ++i;
        if (static_cast<std::size_t>(first + count) > t.offsets.size())
            t.offsets.resize(static_cast<std::size_t>(first + count), -1);
        for (long k = 0; k < count; ++k, i += 20) {
            if (i + 18 > rest.size()) return std::nullopt;
            long off = 0;
            std::from_chars(rest.data() + i, rest.data() + i + 10, off);
            if (rest[i + 17] == 'n') t.offsets[static_cast<std::size_t>(first + k)] = off;
        }
    }
    const std::string_view trailer = rest.substr(i);
    auto size = NumberAfter(trailer, "/Size");
    auto root = NumberAfter(trailer, "/Root");
    if (!size || !root) return std::nullopt;
    t.size = *size;
    t.root = *root;
    const std::size_t id = trailer.find("/ID");
    if (id != std::string_view::npos) {
        const std::size_t close = trailer.find(']', id);
        if (close != std::string_view::npos) t.trailerId = std::string(trailer.substr(id, close - id + 1));
    }
    return t;
}

// The dictionary text of object n ("<< ... >>"), from its offset in the table.
std::optional<std::string_view> ObjectText(std::string_view pdf, const XrefTable& t, long n) {
    if (n <= 0 || static_cast<std::size_t>(n) >= t.offsets.size()) return std::nullopt;
    const long off = t.offsets[static_cast<std::size_t>(n)];
    if (off < 0 || static_cast<std::size_t>(off) >= pdf.size()) return std::nullopt;
    std::string_view obj = pdf.substr(static_cast<std::size_t>(off));
    const std::size_t end = obj.find("endobj");
    if (end == std::string_view::npos) return std::nullopt;
    obj = obj.substr(0, end);
    const std::size_t open = obj.find("<<");
    const std::size_t close = obj.rfind(">>");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::nullopt;
    return obj.substr(open, close + 2 - open);
}

// The references "n 0 R" inside the array after key.
std::vector<long> ReferencesIn(std::string_view dict, std::string_view key) {
    std::vector<long> refs;
    const std::size_t at = dict.find(key);
    if (at == std::string_view::npos) return refs;
    const std::size_t open = dict.find('[', at);
    const std::size_t close = dict.find(']', at);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return refs;
    std::string_view list = dict.substr(open + 1, close - open - 1);
    std::size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && (list[i] < '0' || list[i] > '9')) ++i;
        long n = 0;
        auto r = std::from_chars(list.data() + i, list.data() + list.size(), n);
        if (r.ec != std::errc()) break;
        refs.push_back(n);
        // Skip the generation and the "R".
        i = static_cast<std::size_t>(r.ptr - list.data());
        const std::size_t rpos = list.find('R', i);
        if (rpos == std::string_view::npos) break;
        i = rpos + 1;
    }
    return refs;
}

// The page objects in their order, through nested page trees.
bool CollectPages(std::string_view pdf, const XrefTable& t, long node, std::vector<long>& pages,
                  int depth) {
    if (depth > 32) return false;
    auto dict = ObjectText(pdf, t, node);
    if (!dict) return false;
    if (dict->find("/Kids") == std::string_view::npos) {
        pages.push_back(node);
        return true;
    }
    for (long kid : ReferencesIn(*dict, "/Kids"))
        if (!CollectPages(pdf, t, kid, pages, depth + 1)) return false;
    return true;
}

std::string Number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
}

std::string Ref(long n) {
    return std::to_string(n) + " 0 R";
}

}  // namespace

std::string PdfTextString(const std::string& utf8) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out = "<FEFF";
    auto unit = [&](unsigned u) {
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 0xF];
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        unsigned cp = 0xFFFD;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 0x6 && i + 1 < utf8.size()) {
            cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            len = 2;
        } else if ((c >> 4) == 0xE && i + 2 < utf8.size()) {
            cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            len = 3;
        } else if ((c >> 3) == 0x1E && i + 3 < utf8.size()) {
            cp = ((c & 0x07u) << 18) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 12) |
                 ((static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(utf8[i + 3]) & 0x3Fu);
            len = 4;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
        i += len;
    }
    return out + ">";
}

std::optional<std::string> AppendPdfOutline(std::string_view pdf,
                                            const std::vector<PdfBookmark>& bookmarks,
                                            const PdfInfo& info) {
    auto t = ReadXref(pdf);
    if (!t) return std::nullopt;
    const std::size_t startxref = pdf.rfind("startxref");
    auto previous = NumberAfter(pdf, "startxref", startxref);
    auto catalog = ObjectText(pdf, *t, t->root);
    if (!catalog || !previous) return std::nullopt;
    auto pagesRoot = NumberAfter(*catalog, "/Pages");
    if (!pagesRoot) return std::nullopt;
    std::vector<long> pages;
    if (!CollectPages(pdf, *t, *pagesRoot, pages, 0)) return std::nullopt;
    for (const PdfBookmark& b : bookmarks)
        if (b.page < 0 || static_cast<std::size_t>(b.page) >= pages.size()) return std::nullopt;

    // Object numbers: the outline root, one per bookmark, the information dictionary.
    const long outlineRoot = t->size;
    auto itemNumber = [&](std::size_t i) { return outlineRoot + 1 + static_cast<long>(i); };
    const long infoNumber = outlineRoot + 1 + static_cast<long>(bookmarks.size());
    const long newSize = infoNumber + 1;

    // The tree: the parent of each entry, and the first, last, previous and next of each level.
    const std::size_t n = bookmarks.size();
    std::vector<long> parent(n, outlineRoot), prev(n, 0), next(n, 0), first(n, 0), last(n, 0);
    std::vector<int> count(n, 0);
    long rootFirst = 0, rootLast = 0;
    long lastTop = -1;
    long lastTopIndex = -1, lastChildIndex = -1;
    for (std::size_t i = 0; i < n; ++i) {
        const long me = itemNumber(i);
        if (bookmarks[i].level > 0 && lastTop >= 0) {
            const auto top = static_cast<std::size_t>(lastTopIndex);
            parent[i] = lastTop;
            if (lastChildIndex >= 0) {
                prev[i] = itemNumber(static_cast<std::size_t>(lastChildIndex));
                next[static_cast<std::size_t>(lastChildIndex)] = me;
            } else {
                first[top] = me;
            }
            last[top] = me;
            ++count[top];
            lastChildIndex = static_cast<long>(i);
        } else {
            if (lastTopIndex >= 0) {
                prev[i] = lastTop;
                next[static_cast<std::size_t>(lastTopIndex)] = me;
            } else {
                rootFirst = me;
            }
            rootLast = me;
            lastTop = me;
            lastTopIndex = static_cast<long>(i);
            lastChildIndex = -1;
        }
    }
    long topCount = 0;
    for (const PdfBookmark& b : bookmarks)
        if (b.level == 0 || topCount == 0) ++topCount;

    std::string out(pdf);
    if (!out.empty() && out.back() != '\n') out += '\n';
    std::vector<std::pair<long, std::size_t>> written;  // object number and offset
    auto object = [&](long number, const std::string& body) {
        written.emplace_back(number, out.size());
        out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    };

    // The catalogue again under its own number, with the bookmarks opened beside the pages.
    std::string dict(catalog->substr(2, catalog->size() - 4));
    object(t->root, "<<" + dict + "\n/Outlines " + Ref(outlineRoot) +
                        "\n/PageMode /UseOutlines\n>>");
    std::string root = "<<\n/Type /Outlines\n/Count " + std::to_string(topCount);
    if (n > 0) root += "\n/First " + Ref(rootFirst) + "\n/Last " + Ref(rootLast);
    object(outlineRoot, root + "\n>>");
    for (std::size_t i = 0; i < n; ++i) {
        const PdfBookmark& b = bookmarks[i];
        std::string item = "<<\n/Title " + PdfTextString(b.title) + "\n/Parent " + Ref(parent[i]);
        if (prev[i]) item += "\n/Prev " + Ref(prev[i]);
        if (next[i]) item += "\n/Next " + Ref(next[i]);
        if (first[i]) {
            // Parts stay closed: the reader sees the document's parts and opens one.
            item += "\n/First " + Ref(first[i]) + "\n/Last " + Ref(last[i]) + "\n/Count -" +
                    std::to_string(count[i]);
        }
        item += "\n/Dest [" + Ref(pages[static_cast<std::size_t>(b.page)]) + " /XYZ 0 " +
                Number(b.top) + " null]\n>>";
        object(itemNumber(i), item);
    }
    object(infoNumber, "<<\n/Title " + PdfTextString(info.title) + "\n/Author " +
                           PdfTextString(info.author) + "\n/Subject " +
                           PdfTextString(info.subject) + "\n/Creator " +
                           PdfTextString(info.creator) + "\n/Producer " +
                           PdfTextString(info.creator) + "\n>>");

    const std::size_t xref = out.size();
    out += "xref\n";
    // The catalogue alone, then the new objects in one run.
    char entry[24];
    for (std::size_t k = 0; k < written.size(); ++k) {
        if (k == 0) {
            out += std::to_string(written[0].first) + " 1\n";
        } else if (k == 1) {
            out += std::to_string(written[1].first) + " " + std::to_string(written.size() - 1) +
                   "\n";
        }
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", written[k].second);
        out += entry;
    }
    out += "trailer\n<<\n/Size " + std::to_string(newSize) + "\n/Root " + Ref(t->root) +
           "\n/Info " + Ref(infoNumber) + "\n/Prev " + std::to_string(*previous);
    if (!t->trailerId.empty()) out += "\n" + t->trailerId;
    out += "\n>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace bxr
