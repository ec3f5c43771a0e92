#include "config/config_file.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "format/text_lines.h"
#include "format/code_page.h"

#ifndef BXR_VERSION
#define BXR_VERSION "0"
#endif

namespace bxr {
namespace {

constexpr const char* kStateTag = "\t Session ";

// Numbers in the configuration always carry "."; the shortest text that reads back to the
// same double, so factors such as 1.02 stay short.
std::string NumberText(Real x) {
    if (!std::isfinite(x)) return "0";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x));
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
}

class Writer {
  public:
    static constexpr bool kReading = false;
    std::string out;

    void Line(const std::string& s) {
        for (char ch : s) out += ch == '\r' || ch == kEndOfFile ? ' ' : ch;
        out += kLineEnd;
    }
    void Label(const std::string& s) { Line(s); }
    template <class T>
    void Int(T& v) {
        Line(std::to_string(static_cast<long long>(v)));
    }
    void Number(Real& v) { Line(NumberText(v)); }
    void Bool(bool& v) { Line(BooleanText(v)); }
    void Text(OemString& v, std::size_t max) { Line(CutText(v, max)); }
    bool Read() const { return false; }
};

class Reader {
  public:
    static constexpr bool kReading = true;
    // watch: a field whose line is to be found (its offset and length in the data).
    explicit Reader(std::string_view data, const void* watch = nullptr)
        : in_(data), watch_(watch) {}

    // The next line; nothing once the file has ended.
    std::optional<std::string> Line() {
        if (ended_) return std::nullopt;
        auto l = in_.Next();
        if (!l) ended_ = true;
        return l;
    }
    void Label(const std::string&) { Line(); }
    template <class T>
    void Int(T& v) {
        last_ = false;
        const std::size_t start = in_.Position();
        if (auto l = Line()) {
            if (static_cast<const void*>(&v) == watch_) {
                watchedAt_ = start;
                watchedLength_ = l->size();
            }
            v = static_cast<T>(
                ParseIntegerLine(*l, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
            last_ = true;
        }
    }
    void Number(Real& v) {
        last_ = false;
        if (auto l = Line()) {
            v = ParseRealLine(*l);
            last_ = true;
        }
    }
    void Bool(bool& v) {
        last_ = false;
        if (auto l = Line()) {
            v = ParseBooleanLine(*l);
            last_ = true;
        }
    }
    void Text(OemString& v, std::size_t max) {
        last_ = false;
        if (auto l = Line()) {
            v = CutText(*l, max);
            last_ = true;
        }
    }
    // True when the value just visited came from the file: only then does its rule apply.
    bool Read() const { return last_; }
    bool Ended() const { return ended_; }
    std::size_t WatchedAt() const { return watchedAt_; }
    std::size_t WatchedLength() const { return watchedLength_; }

  private:
    LineReader in_;
    const void* watch_ = nullptr;
    std::size_t watchedAt_ = std::string::npos;
    std::size_t watchedLength_ = 0;
    bool ended_ = false;
    bool last_ = false;
};

constexpr std::size_t kAnyLength = std::numeric_limits<std::size_t>::max();

// Where a path is left empty in the file, the folder the program started in.
struct ReadContext {
    const ScreenInfo* screen = nullptr;
    std::string tempEnvironment;
    bool sizeRead = false;  // entries 18 and 19 came from the file
};

template <class V>
void Sequence(Configuration& c, V& v, ReadContext& rc) {
    auto orWorking = [&](OemString& path) {
        if (v.Read() && path.empty()) path = c.workingFolder;
    };
    auto intRule = [&](auto& field, auto pred, auto value) {
        if (v.Read() && pred(field)) field = value;
    };
    auto realRule = [&](Real& field, auto pred, Real value) {
        if (v.Read() && pred(field)) field = value;
    };
    const auto isZero = [](auto x) { return x == 0; };

    v.Label("bxr Konfiguration");
    v.Label("Version " BXR_VERSION);
    for (auto& layer : c.layers) {  // 1
        v.Label("Layer");
        v.Text(layer.name, 32);
        v.Label("Farbe");
        v.Int(layer.colour);
    }
    v.Label("Textstil CAD");  // 2
    v.Text(c.cadTextStyle, 32);
    v.Label("Textbreitenfaktor CAD");  // 3
    v.Number(c.cadTextWidthFactor);
    realRule(c.cadTextWidthFactor, isZero, 1);
    v.Label("Textwinkel");  // 4
    v.Number(c.cadTextAngle);
    v.Label("CAD Ordner");  // 5
    v.Text(c.cadFolder, kAnyLength);
    v.Label("DBF Ordner");  // 6
    v.Text(c.dbfFolder, kAnyLength);
    orWorking(c.dbfFolder);
    v.Label("Hilfegrad");  // 7
    v.Int(c.helpLevel);
    v.Label("Druckerschnittstelle");  // 8
    v.Int(c.printerPort);
    intRule(c.printerPort, isZero, 1);
    v.Label("Druckertyp");  // 9
    v.Int(c.printerType);
    v.Label("Druckdichte");  // 10
    v.Int(c.printDensity);
    v.Label("Hardcopy um 90° gedreht ?"_oem);  // 11
    {
        OemString ch = c.hardcopyRotated.substr(0, 1);
        v.Text(ch, 1);
        if (!V::kReading || v.Read()) c.hardcopyRotated = ch.empty() ? "N" : ch;
    }
    v.Label("Dezimalstellen");  // 12
    v.Int(c.output.decimalPlaces);
    intRule(
        c.output.decimalPlaces, [](int x) { return x < 1 || x > 9; }, 3);
    v.Label("Druckdicke vertikal");  // 13
    v.Int(c.printThicknessVertical);
    intRule(
        c.printThicknessVertical, [](int x) { return x == 0 || x > 4; }, 1);
    v.Label("Farbgrafik");  // 14
    v.Bool(c.colourGraphics);
    v.Label("GrafikKorrekturFaktor horizontal");  // 15
    v.Number(c.graphicsCorrectionX);
    realRule(c.graphicsCorrectionX, isZero, 1);
    v.Label("Grafik-Mode");  // 16
    v.Int(c.graphicsMode);
    v.Label("Grafik-Treiber");  // 17
    v.Int(c.graphicsDriver);
    const auto unset = [](int x) { return x == 0 || x == -1; };
    v.Label("Auflösung horizontal"_oem);  // 18
    v.Int(c.graphicsWidth);
    if (rc.screen) intRule(c.graphicsWidth, unset, rc.screen->width - 9);
    v.Label("Auflösung vertikal"_oem);  // 19
    v.Int(c.graphicsHeight);
    if (rc.screen) intRule(c.graphicsHeight, unset, rc.screen->height - 91);
    if (v.Read()) rc.sizeRead = true;
    v.Label("Ordner für temporäre Dateien"_oem);  // 20
    v.Text(c.tempFolder, kAnyLength);
    if (v.Read() && c.tempFolder.empty()) c.tempFolder = rc.tempEnvironment;
    orWorking(c.tempFolder);
    v.Label("Druckerschnittstelle Hardcopy");  // 21
    v.Int(c.hardcopyPort);
    intRule(c.hardcopyPort, isZero, 1);
    v.Label("EDI Ordner");  // 22
    v.Text(c.ediFolder, kAnyLength);
    orWorking(c.ediFolder);
    v.Label("PLT Ordner");  // 23
    v.Text(c.pltFolder, kAnyLength);
    orWorking(c.pltFolder);
    v.Label("Mode für Textausdruck 1:* 2:-"_oem);  // 24
    v.Int(c.textSeparatorMode);
    intRule(c.textSeparatorMode, isZero, 1);
    v.Label("Zeilen pro Seite für Drucker"_oem);  // 25
    v.Int(c.linesPerPage);
    intRule(
        c.linesPerPage, [](int x) { return x < 5; }, 66);
    v.Label("Zoomfaktor");  // 26
    v.Number(c.zoomFactor);
    realRule(c.zoomFactor, isZero, 1.02L);
    v.Label("Pan-Faktor");  // 27
    v.Number(c.panFactor);
    realRule(c.panFactor, isZero, 0.01L);
    v.Label("VORTANE-Programmverzeichnis");  // 28
    v.Text(c.makerProgramFolder, kAnyLength);
    v.Label("QUILMAR-Kommandozeile");  // 29
    {
        OemString line = c.plotCommandLine;
        v.Text(line, kAnyLength);
        if (!line.empty()) c.plotCommandLine = line;
    }
    v.Label("Hintergrundfarbe");  // 30
    v.Int(c.backgroundColour);
    v.Label("Windows-Druckmodus (1=mono 2=color)");  // 31
    v.Int(c.windowsPrintMode);
    intRule(c.windowsPrintMode, isZero, 1);
    v.Label("Layer Monochrom");  // 32
    v.Bool(c.layerMonochrome);
    v.Label("Textbreitenfaktor Grafik");  // 33
    v.Number(c.graphicsTextWidthFactor);
    realRule(c.graphicsTextWidthFactor, isZero, 0.8L);
    v.Label("Textstil Grafik");  // 34
    v.Text(c.graphicsFont, 60);
    for (int i = 0; i < 16; ++i) {  // 35
        v.Label("Color Layer " + std::to_string(16 + i));
        v.Int(c.layerColours16_31[i]);
        intRule(c.layerColours16_31[i], isZero, 1);
    }
    v.Label("Textprogramm");  // 36
    v.Text(c.textProgram, kAnyLength);
    v.Label("Datenbank mode");  // 37
    v.Int(c.databaseMode);
    v.Label("externe Datenbank");  // 38
    v.Text(c.externalDatabase, kAnyLength);
    v.Label("Windows Screendump Origin X");  // 39
    v.Int(c.printOriginX);
    v.Label("Windows Screendump Origin Y");  // 40
    v.Int(c.printOriginY);
    v.Label("Windows Screendump Scale");  // 41
    v.Number(c.printScale);
    realRule(c.printScale, isZero, 1);
    v.Label("Windows Screendump Border ?");  // 42
    v.Bool(c.printBorder);
    v.Label("Enter Password ?");  // 43
    v.Bool(c.askUserName);
    v.Label("QUILMAR Command lines (n, line 2 .. line n)");  // 44
    {
        int n = static_cast<int>(c.plotCommandLines.size()) + 1;
        v.Int(n);
        if constexpr (V::kReading) {
            if (v.Read()) {
                c.plotCommandLines.clear();
                // A wild count reads what lines there are; they would be settings otherwise
                // lost anyway, and nothing is stored beyond the file's end.
                for (int i = 2; i <= n && !v.Ended(); ++i) {
                    OemString line;
                    v.Text(line, kAnyLength);
                    if (v.Read()) c.plotCommandLines.push_back(line);
                }
            }
        } else {
            for (auto& line : c.plotCommandLines) v.Text(line, kAnyLength);
        }
    }
    v.Label("Archive Flag ?");  // 45
    v.Bool(c.archiveMode);
    v.Label("Date Code");  // 46
    v.Int(c.output.dateFormat);
    intRule(
        c.output.dateFormat, [](int x) { return x == 0 || x > 3; }, 1);
    v.Label("Header Space Lines");  // 47
    v.Int(c.headerSpaceLines);
    intRule(
        c.headerSpaceLines, [](int x) { return x < 0 || x > 30; }, 0);
    v.Label("Text Device");  // 48
    v.Int(c.textDevice);
    intRule(
        c.textDevice, [](int x) { return x <= 0 || x > 9; }, 1);
    v.Label("Text Device Window ?");  // 49
    v.Bool(c.askTextDevice);
    v.Label("Small Online Window ?");  // 50
    v.Bool(c.smallOnlineWindow);
    v.Label("Enter Diagram Limits ?");  // 51
    v.Bool(c.askDiagramLimits);
    v.Label("Dot=1 Komma=2");  // 52
    v.Int(c.output.decimalSeparator);
    intRule(
        c.output.decimalSeparator, [](int x) { return x == 0 || x > 2; }, 1);
    v.Label("Default Data Directory");  // 53
    v.Text(c.defaultDataFolder, kAnyLength);
    orWorking(c.defaultDataFolder);
    v.Label("Text Height Factor");  // 54
    v.Number(c.textHeightFactor);
    realRule(
        c.textHeightFactor, [](Real x) { return x < 0.1L; }, 1);
    v.Label("Input Window Scale %");  // 55
    v.Int(c.dialogScalePercent);
    intRule(
        c.dialogScalePercent, [](int x) { return x < 10 || x > 1000; }, 100);
    v.Label("HTML Browser");  // 56
    v.Text(c.htmlBrowser, kAnyLength);
    v.Label("Print Scale Vertical");  // 57
    v.Number(c.printScaleVertical);
    realRule(
        c.printScaleVertical, [](Real x) { return x < 1e-4L; }, c.printScale);
    v.Label("Line thickness Layer 0..5");  // 58
    for (int& t : c.lineThickness0_5) {
        v.Int(t);
        intRule(
            t, [](int x) { return x < 1 || x > 255; }, 1);
    }
    v.Label("Graphic Printout Dialog Box ?");  // 59
    v.Bool(c.printerDialog);
    v.Label("Text window left/top/width/height");  // 60
    {
        TextWindowPlacement& w = c.textWindow;
        OemString line = std::to_string(w.left) + " " + std::to_string(w.top) + " " +
                         std::to_string(w.width) + " " + std::to_string(w.height);
        v.Text(line, kAnyLength);
        if (v.Read()) {
            std::istringstream in(line);
            TextWindowPlacement p;
            if (in >> p.left >> p.top >> p.width >> p.height && p.width != 0 && p.height != 0)
                w = p;
        }
    }
    v.Label("Metric Units=0,  English units=1");  // 61
    v.Int(c.output.unitSystem);
    v.Label("printout with header=1, header page 1 only=2");  // 62
    v.Int(c.headerMode);
    intRule(
        c.headerMode, [](int x) { return x <= 0 || x > 2; }, 1);
    v.Label("Text Font Printout");  // 63
    v.Text(c.printFont, 60);
    if (v.Read() && c.printFont.empty()) c.printFont = "Courier New";
    v.Label("Text Size Printout");  // 64
    v.Int(c.printFontSize);
    intRule(c.printFontSize, isZero, 10);
    v.Label("Text Style Printout");  // 65
    v.Int(c.printFontStyle);
    v.Label("Text Style Graphics");  // 66
    v.Int(c.graphicsFontStyle);
    v.Label("Printer: Portrait=1, Landscape=2");  // 67
    v.Int(c.pageOrientation);
    v.Label("Edit 3D x,y,z ?");  // 68
    v.Bool(c.edit3dAngles);
    v.Label("3D - Default x,y,z");  // 69
    v.Number(c.view3dX);
    v.Number(c.view3dY);
    v.Number(c.view3dZ);
    v.Int(c.changeIndexStyle);
    v.Int(c.output.spreadsheetDecimal);
    intRule(c.output.spreadsheetDecimal, isZero, 2);
    v.Text(c.releaseFieldText, kAnyLength);
    v.Label("Decimals DXF,TXT");  // 70
    v.Int(c.cadDecimals);
    intRule(
        c.cadDecimals, [](int x) { return x < 1 || x > 32; }, 6);
    v.Label("CAD Text Mode");  // 71
    v.Int(c.output.cadTextType);
    intRule(c.output.cadTextType, isZero, 1);
    v.Label("Strichstärke Layer 16..31"_oem);  // 72
    for (int& t : c.lineThickness16_31) v.Int(t);
    v.Int(c.output.characterSetting);
    v.Int(c.dialogElementPercent);
    intRule(
        c.dialogElementPercent, [](int x) { return x < 10 || x > 1000; }, 100);
    v.Int(c.angleFormat);
    intRule(
        c.angleFormat, [](int x) { return x <= 0 || x > 2; }, 2);
    v.Number(c.sizeFactor);
    realRule(c.sizeFactor, isZero, 1);
    v.Int(c.dimensioning);
    v.Int(c.reservedInteger);
    v.Int(c.resultGraphic);
    v.Bool(c.omitMakerTitle);
    v.Bool(c.omitFileName);
    v.Bool(c.omitDate);
    v.Bool(c.omitLogo);
}

void ScreenDefaults(Configuration& c, const ScreenInfo& s) {
    c.graphicsWidth = s.width - 9;
    c.graphicsHeight = s.height - 91;
}

}  // namespace

std::string ConfigFilePath(const Configuration& c, const std::string& extension) {
    return JoinPath(c.configFolder, c.configBaseName + "." + extension);
}

std::string FallbackConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is not to be trusted: fall back to the home folder.
    if (xdg && xdg[0] == '/') return JoinPath(xdg, "bxr/");
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return JoinPath(home, ".config/bxr/");
}

std::string TempEnvironment() {
    const char* t = std::getenv("TMPDIR");
    return t && *t ? std::string(t) : std::string("/tmp");
}

std::string ConfigurationText(const Configuration& c) {
    Writer w;
    ReadContext rc;
    Sequence(const_cast<Configuration&>(c), w, rc);  // the writer only reads the fields
    return w.out;
}

bool ReadConfigurationText(const std::string& data, Configuration& c, const ScreenInfo& screen,
                           const std::string& tempEnvironment) {
    Reader r(data);
    ReadContext rc;
    rc.screen = &screen;
    rc.tempEnvironment = tempEnvironment;
    Sequence(c, r, rc);
    if (!rc.sizeRead) ScreenDefaults(c, screen);
    return !r.Ended();
}

bool ReadConfiguration(Configuration& c, FileSystem& fs, const ScreenInfo& screen,
                       const std::string& fallbackFolder) {
    auto data = fs.Read(ConfigFilePath(c, "cfg"), 1024 * 1024);
    if (!data && !fallbackFolder.empty()) {
        // Without a configuration in the working folder the user's folder holds both files,
        // also when there is none yet: nothing is ever written into the working folder.
        c.configFolder = fallbackFolder;
        data = fs.Read(ConfigFilePath(c, "cfg"), 1024 * 1024);
    }
    if (!data) {
        ScreenDefaults(c, screen);
        c.textWindow.height = screen.height - 80;
        const double ratio =
            static_cast<double>(screen.mainWindowHeight) / (screen.clientHeight + 46);
        c.dialogScalePercent =
            static_cast<int>(std::lround((ratio + 0.009) * (screen.pixelsPerInch / 96.0) * 100));
        return false;
    }
    ReadConfigurationText(*data, c, screen, TempEnvironment());
    return true;
}

bool ImportConfiguration(Configuration& c, FileSystem& fs, const std::string& path,
                         const ScreenInfo& screen) {
    const auto data = fs.Read(path, 1024 * 1024);
    if (!data) return false;
    c.configFolder = FolderOf(path);
    c.configBaseName = StripExtension(FileNameOf(path));
    ReadConfigurationText(*data, c, screen, TempEnvironment());
    return true;
}

bool WriteConfiguration(const Configuration& c, FileSystem& fs) {
    return WriteConfigFile(c, fs, "cfg", ConfigurationText(c));
}

bool WriteConfigFile(const Configuration& c, FileSystem& fs, const std::string& extension,
                     const std::string& text) {
    if (!c.configFolder.empty() && !fs.MakeFolders(c.configFolder)) return false;
    return WriteFileSafely(fs, ConfigFilePath(c, extension), text);
}

std::string WithStoredLanguage(const std::string& fileText, int code) {
    Configuration scratch;
    Reader r(fileText, &scratch.reservedInteger);
    ReadContext rc;
    ScreenInfo screen;
    rc.screen = &screen;
    Sequence(scratch, r, rc);
    if (r.WatchedAt() != std::string::npos) {
        std::string out = fileText;
        out.replace(r.WatchedAt(), r.WatchedLength(), std::to_string(code));
        return out;
    }
    // A file that ends before the entry: what it holds, the defaults after it. Its empty
    // folders stay empty (the scratch configuration knows no working folder).
    scratch.reservedInteger = code;
    return ConfigurationText(scratch);
}

std::string StateFileText(const Configuration& c) {
    std::string out = c.configBaseName + kStateTag + c.session.userName + kLineEnd;
    for (const auto& t : c.session.texts) out += t + kLineEnd;
    return out;
}

void ReadStateFile(Configuration& c, FileSystem& fs) {
    c.session.texts = {};
    const auto data = fs.Read(ConfigFilePath(c, "cff"), 64 * 1024);
    if (!data) return;
    LineReader in(*data);
    if (auto first = in.Next()) {
        const auto at = first->find(kStateTag);
        if (at != std::string::npos) {
            const std::string name = first->substr(at + std::string(kStateTag).size());
            if (!name.empty()) c.session.userName = name;
        }
    }
    for (auto& t : c.session.texts) {
        auto l = in.Next();
        if (!l) break;
        t = *l;
    }
}

bool WriteStateFile(const Configuration& c, FileSystem& fs) {
    return WriteConfigFile(c, fs, "cff", StateFileText(c));
}

bool FolderTakesFiles(FileSystem& fs, const std::string& folder) {
    std::string probe;
    auto h = CreateTempFile(fs, folder.empty() ? "." : folder, "x", ".$$$", probe);
    if (!h) return false;
    const bool ok = h->Close();
    return fs.Remove(probe) && ok;
}

FolderCheck CheckFolders(Configuration& c, FileSystem& fs, const std::string& tempEnvironment) {
    if (c.tempFolder.empty()) c.tempFolder = tempEnvironment;
    for (OemString* f :
         {&c.tempFolder, &c.dbfFolder, &c.pltFolder, &c.ediFolder, &c.defaultDataFolder})
        if (f->empty()) *f = c.workingFolder;
    FolderCheck r;
    auto lists = [&](const std::string& f) { return fs.List(f.empty() ? "." : f).has_value(); };
    if (!FolderTakesFiles(fs, c.cadFolder))
        r.messages.push_back("ungültiger CAD Ordner konfiguriert"_oem);
    if (!lists(c.dbfFolder)) r.messages.push_back("ungültiger DBF Ordner konfiguriert"_oem);
    if (!lists(c.pltFolder)) r.messages.push_back("ungültiger PLT Ordner konfiguriert"_oem);
    if (!FolderTakesFiles(fs, c.tempFolder)) {
        r.messages.push_back("ungültiger Ordner für temporäre Dateien konfiguriert"_oem);
        r.tempFolderInvalid = true;
    }
    if (!FolderTakesFiles(fs, c.ediFolder))
        r.messages.push_back("ungültiger EDI Ordner konfiguriert"_oem);
    if (!FolderTakesFiles(fs, c.defaultDataFolder))
        r.messages.push_back("ungültiger Data Ordner konfiguriert"_oem);
    return r;
}

}  // namespace bxr
