// The program's settings as the configuration file holds them, entry by entry in file order.
// Formatting reads `output`; the other layers read the fields they need. Texts and paths are
// code page 850 as stored in the file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/beam_model.h"
#include "format/output_settings.h"

namespace bxr {

struct CadLayer {
    OemString name;  // at most 32
    int colour = 7;
};

struct TextWindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;  // 0: not stored, the window keeps its own size
    int height = 0;
};

// The user name and four texts the main window keeps between runs (the state file).
struct SessionState {
    OemString userName = "TRAIN";
    std::array<OemString, 4> texts;
};

struct Configuration {
    OutputSettings output;  // decimals, date code, decimal mark, units, CAD text type, ...

    // CAD output
    // The five named layers of pens 1..5 (the file's layers 0..4).
    std::array<CadLayer, 5> layers{CadLayer{"1", 2}, CadLayer{"2", 2}, CadLayer{"3", 2},
                                   CadLayer{"4", 3}, CadLayer{"5", 1}};
    OemString cadTextStyle = "TXT8";  // at most 32
    Real cadTextWidthFactor = 1;
    Real cadTextAngle = 0;
    OemString cadFolder;

    // Folders and help
    OemString dbfFolder;
    int helpLevel = 1;  // 0 none, 1 normal, 2 extended

    // Printer
    int printerPort = 1;  // 1..4
    int printerType = 3;
    int printDensity = 1;
    OemString hardcopyRotated = "J";  // "J" or "N"
    int printThicknessVertical = 1;

    // Screen graphics
    bool colourGraphics = true;
    Real graphicsCorrectionX = 1;
    int graphicsMode = 0;
    int graphicsDriver = 0;
    int graphicsWidth = 0;  // graphics window size in pixels
    int graphicsHeight = 0;

    OemString tempFolder;
    int hardcopyPort = 1;
    OemString ediFolder;        // linked documents
    OemString pltFolder;        // help pictures, help texts, demo scripts
    int textSeparatorMode = 1;  // 1 "***", 2 "---", 3 blanks, 4 compressed
    int linesPerPage = 66;
    Real zoomFactor = 1.02;
    Real panFactor = 0.01;
    OemString makerProgramFolder;  // defaults to the program folder
    OemString plotCommandLine;     // first command line of the external plot program
    int backgroundColour = 1;
    int windowsPrintMode = 1;  // 1 mono, 2 colour
    bool layerMonochrome = false;
    Real graphicsTextWidthFactor = 0.8;
    OemString graphicsFont = "Arial";  // at most 60
    std::array<int, 16> layerColours16_31{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    OemString textProgram;
    int databaseMode = 1;
    OemString externalDatabase = "C:\\TABLEDITOR\\TABLEDITOR.EXE";
    int printOriginX = 0;
    int printOriginY = 0;
    Real printScale = 1;
    bool printBorder = false;
    bool askUserName = false;
    std::vector<OemString> plotCommandLines;  // lines 2..n of the plot program
    bool archiveMode = false;
    int headerSpaceLines = 0;
    int textDevice = 1;
    bool askTextDevice = false;
    bool smallOnlineWindow = false;
    bool askDiagramLimits = false;
    OemString defaultDataFolder;
    Real textHeightFactor = 1;
    int dialogScalePercent = 100;
    OemString htmlBrowser;
    Real printScaleVertical = 1;
    std::array<int, 6> lineThickness0_5{1, 1, 1, 1, 1, 1};
    bool printerDialog = true;
    TextWindowPlacement textWindow;
    int headerMode = 1;                   // 1 every page, 2 page 1 only
    OemString printFont = "Courier New";  // at most 60
    int printFontSize = 10;
    int printFontStyle = 0;
    int graphicsFontStyle = 0;
    int pageOrientation = 2;  // 1 portrait, 2 landscape
    bool edit3dAngles = true;
    Real view3dX = 30;
    Real view3dY = 30;
    Real view3dZ = 0;
    int changeIndexStyle = 0;  // 0 a,b,c  1 1,2,3  2 A,B,C  3 none
    OemString releaseFieldText;
    int cadDecimals = 6;  // DXF and diagram text files
    std::array<int, 16> lineThickness16_31{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int dialogElementPercent = 100;
    int angleFormat = 2;  // 1 decimal degrees, 2 degrees, minutes, seconds
    Real sizeFactor = 1;
    int dimensioning = 0;     // stored and written back
    int reservedInteger = 0;  // stored and written back
    int resultGraphic = 0;    // 0 egal .. 5 Zeichnung
    bool omitMakerTitle = false;
    bool omitFileName = false;
    bool omitDate = false;
    bool omitLogo = false;

    // Where the files live; not stored in the file.
    std::string workingFolder;  // current folder at start
    std::string programFolder;  // folder of the executable
    std::string configFolder;   // working folder, or the fallback, or an imported one
    std::string configBaseName = "bxr";

    SessionState session;
};

}  // namespace bxr
