#include "app/config_dialog.h"

#include "app/config_commands.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "app/plot_command_form.h"
#include "platform/ui.h"

namespace bxr {
namespace {

using Show = std::function<void(const Configuration&, FormField&)>;
using Store = std::function<void(Configuration&, const FormField&)>;

struct Entry {
    FormField field;
    ConfigDialog::Binding binding;
};

std::string NumberField(Real x) {
    OutputSettings point;  // the dialog shows numbers with "." whatever the output uses
    return FormatFreeLong(point, x);
}

// The references below are taken from a mutable Configuration; showing only reads them.
template <class F>
auto& Ref(F ref, const Configuration& c) {
    return ref(const_cast<Configuration&>(c));
}

template <class F>
Entry TextEntry(const char* tab, const char* name, std::string label, F ref, std::size_t max) {
    FormField f = TextField(name, std::move(label)).In(tab);
    if (max != std::string::npos) f.Max(max);
    return {f,
            {[ref](const Configuration& c, FormField& f) { f.text = Ref(ref, c); },
             [ref, max](Configuration& c, const FormField& f) { ref(c) = CutText(f.text, max); }}};
}

template <class F>
Entry IntEntry(const char* tab, const char* name, std::string label, F ref) {
    return {TextField(name, std::move(label)).In(tab),
            {[ref](const Configuration& c, FormField& f) {
                 f.text = std::to_string(static_cast<long>(Ref(ref, c)));
             },
             [ref](Configuration& c, const FormField& f) {
                 using T = std::remove_reference_t<decltype(ref(c))>;
                 ref(c) = static_cast<T>(ParseInt(f.text));
             }}};
}

// A setting with a few values shown as radio buttons; item i stands for the value i + first.
// A stored value without an item of its own is kept as it is.
template <class F>
Entry RadioEntry(const char* tab, const char* name, std::string label, F ref,
                 std::vector<std::string> items, int first) {
    return {RadioField(name, std::move(label), std::move(items)).In(tab),
            {[ref, first](const Configuration& c, FormField& f) {
                 f.index = static_cast<int>(Ref(ref, c)) - first;
             },
             [ref, first](Configuration& c, const FormField& f) {
                 using T = std::remove_reference_t<decltype(ref(c))>;
                 ref(c) = static_cast<T>(f.index + first);
             }}};
}

template <class F>
Entry RealEntry(const char* tab, const char* name, std::string label, F ref) {
    return {TextField(name, std::move(label)).In(tab),
            {[ref](const Configuration& c, FormField& f) { f.text = NumberField(Ref(ref, c)); },
             [ref](Configuration& c, const FormField& f) { ref(c) = ParseFloat(f.text); }}};
}

template <class F>
Entry BoolEntry(const char* tab, const char* name, std::string label, F ref) {
    return {CheckField(name, std::move(label)).In(tab),
            {[ref](const Configuration& c, FormField& f) { f.checked = Ref(ref, c); },
             [ref](Configuration& c, const FormField& f) { ref(c) = f.checked; }}};
}

#define REF(expr)                    \
    [](Configuration & c) -> auto& { \
        return expr;                 \
    }

std::vector<Entry> Entries() {
    constexpr std::size_t any = std::string::npos;
    std::vector<Entry> e = {
        // Directories
        TextEntry("Directories", "Edit_programFolder", "Programmverzeichnis",
                  REF(c.makerProgramFolder), any),
        TextEntry("Directories", "Edit_pltFolder",
                  "Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)", REF(c.pltFolder), any),
        TextEntry("Directories", "Edit_tempFolder", "Ordner für temporäre Dateien"_oem,
                  REF(c.tempFolder), any),
        TextEntry("Directories", "Edit_ediFolder", "EDI Ordner", REF(c.ediFolder), any),
        TextEntry("Directories", "Edit_cadFolder", "CAD Ordner", REF(c.cadFolder), any),
        TextEntry("Directories", "Edit_dataFolder", "Arbeitsverzeichnis", REF(c.defaultDataFolder),
                  any),
        TextEntry("Directories", "Edit_dbfFolder", "DBF Ordner", REF(c.dbfFolder), any),
        // Grafik
        TextEntry("Grafik", "Edit_graphicsFont", "Textstil Grafik", REF(c.graphicsFont), 60),
        IntEntry("Grafik", "Edit_backgroundColour", "Hintergrundfarbe", REF(c.backgroundColour)),
        IntEntry("Grafik", "Edit_graphicsWidth", "Auflösung horizontal"_oem, REF(c.graphicsWidth)),
        IntEntry("Grafik", "Edit_graphicsHeight", "Auflösung vertikal"_oem, REF(c.graphicsHeight)),
        BoolEntry("Grafik", "CheckBox_colourGraphics", "Bildschirmgrafik", REF(c.colourGraphics)),
        RealEntry("Grafik", "Edit_zoomFactor", "Zoomfaktor", REF(c.zoomFactor)),
        RealEntry("Grafik", "Edit_panFactor", "Pan-Faktor", REF(c.panFactor)),
        BoolEntry("Grafik", "CheckBox_border", "Umrandung", REF(c.printBorder)),
        RealEntry("Grafik", "Edit_textWidthFactor", "Textbreitenfaktor Grafik",
                  REF(c.graphicsTextWidthFactor)),
        RealEntry("Grafik", "Edit_textHeightFactor", "Text Height Factor", REF(c.textHeightFactor)),
        IntEntry("Grafik", "Edit_dialogScale", "Dialogfenster Größe"_oem,
                 REF(c.dialogScalePercent)),
        IntEntry("Grafik", "Edit_elementScale", "Dialogelemente Größe"_oem,
                 REF(c.dialogElementPercent)),
        RealEntry("Grafik", "Edit_view3dX", "3D x", REF(c.view3dX)),
        RealEntry("Grafik", "Edit_view3dY", "3D y", REF(c.view3dY)),
        RealEntry("Grafik", "Edit_view3dZ", "3D z", REF(c.view3dZ)),
        BoolEntry("Grafik", "CheckBox_edit3d", "Edit 3D x,y,z ?", REF(c.edit3dAngles)),
        // CAD
        TextEntry("CAD", "Edit_cadTextStyle", "Textstil CAD", REF(c.cadTextStyle), 32),
        RealEntry("CAD", "Edit_cadTextAngle", "Textwinkel", REF(c.cadTextAngle)),
        RealEntry("CAD", "Edit_cadTextWidth", "Textbreitenfaktor CAD", REF(c.cadTextWidthFactor)),
        BoolEntry("CAD", "CheckBox_diagramLimits", "Diagrammgrenzen abfragen",
                  REF(c.askDiagramLimits)),
        TextEntry("CAD", "Edit_releaseField", "Freigabefeld", REF(c.releaseFieldText), any),
        IntEntry("CAD", "Edit_cadDecimals", "Decimals DXF,TXT", REF(c.cadDecimals)),
        RadioEntry("CAD", "RadioGroup_cadTextType", "Text Type", REF(c.output.cadTextType),
                   {"Code page 850 (DOS)", "Windows (ANSI)", "Ä->Ae, ß->ss..."_oem}, 1),
        RealEntry("CAD", "Edit_sizeFactor", "Size factor", REF(c.sizeFactor)),
        IntEntry("CAD", "Edit_dimensioning", "Bemaßung"_oem, REF(c.dimensioning)),
        BoolEntry("CAD", "CheckBox_layerMonochrome", "Layer Monochrom", REF(c.layerMonochrome)),
        // Drucker
        IntEntry("Drucker", "Edit_originX", "Origin X", REF(c.printOriginX)),
        IntEntry("Drucker", "Edit_originY", "Origin Y", REF(c.printOriginY)),
        RealEntry("Drucker", "Edit_scaleX", "Scale X", REF(c.printScale)),
        RealEntry("Drucker", "Edit_scaleY", "Scale Y", REF(c.printScaleVertical)),
        RadioEntry("Drucker", "RadioGroup_printMode", "mono / color", REF(c.windowsPrintMode),
                   {"mono", "color"}, 1),
        RadioEntry("Drucker", "RadioGroup_orientation", "Portrait / Landscape",
                   REF(c.pageOrientation), {"Portrait", "Landscape"}, 1),
        BoolEntry("Drucker", "CheckBox_printerDialog", "Graphic Printout Dialog Box ?",
                  REF(c.printerDialog)),
        IntEntry("Drucker", "Edit_printerPort", "Druckerschnittstelle", REF(c.printerPort)),
        // Ausdruck
        RadioEntry("Ausdruck", "RadioGroup_separator", "Mode für Textausdruck"_oem,
                   REF(c.textSeparatorMode), {"***", "---", "   ", "kompakt"}, 1),
        IntEntry("Ausdruck", "Edit_linesPerPage", "Zeilen pro Seite für Drucker"_oem,
                 REF(c.linesPerPage)),
        IntEntry("Ausdruck", "Edit_headerSpace", "Header Space Lines", REF(c.headerSpaceLines)),
        RadioEntry("Ausdruck", "RadioGroup_date", "Datum", REF(c.output.dateFormat),
                   {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD"}, 1),
        RadioEntry("Ausdruck", "RadioGroup_textDevice", "Text Device", REF(c.textDevice),
                   {"Bildschirm", "Textdrucker", "Datei", "Windows-Drucker",
                    "externes Textprogramm", "TXT File (Excel, QPRO ...)",
                    "HTML File (Netscape, Internet Explorer ...)", "OUTDOS.TXT"},
                   1),
        BoolEntry("Ausdruck", "CheckBox_textDeviceWindow", "Text Device Window ?",
                  REF(c.askTextDevice)),
        IntEntry("Ausdruck", "Edit_textLeft", "left", REF(c.textWindow.left)),
        IntEntry("Ausdruck", "Edit_textTop", "top", REF(c.textWindow.top)),
        IntEntry("Ausdruck", "Edit_textWidth", "width", REF(c.textWindow.width)),
        IntEntry("Ausdruck", "Edit_textHeight", "height", REF(c.textWindow.height)),
        RadioEntry("Ausdruck", "RadioGroup_headerMode", "printout with header", REF(c.headerMode),
                   {"printout with header", "header page 1 only"}, 1),
        TextEntry("Ausdruck", "Edit_printFont", "Text Font Printout", REF(c.printFont), 60),
        IntEntry("Ausdruck", "Edit_printFontSize", "Text Size Printout", REF(c.printFontSize)),
        // Einheit and settings
        RadioEntry("Einheit", "RadioGroup_unit", "Einheit", REF(c.output.unitSystem),
                   {"mm, N, MPa, Nm, N/mm", "in, lbf, psi, lbfin, lbf/in"}, 0),
        RadioEntry("Einheit", "RadioGroup_angleFormat", "Winkelformat", REF(c.angleFormat),
                   {"15.1234°"_oem, "15°07'24\""_oem}, 1),
        RadioEntry(
            "Einheit", "RadioGroup_helpLevel", "Hilfegrad", REF(c.helpLevel),
            {"Keine Info nach Eingabe", "Normale Einstellung", "Erweiterte Hilfe, Einzeleingabe"},
            0),
        BoolEntry("Einheit", "CheckBox_askUserName", "Enter Password ?", REF(c.askUserName)),
        RadioEntry("Einheit", "RadioGroup_punktkomma", "Dezimalzeichen",
                   REF(c.output.decimalSeparator), {"Punkt .", "Komma ,"}, 1),
        RadioEntry("Einheit", "RadioGroup_ExcelDot", "Excel", REF(c.output.spreadsheetDecimal),
                   {"Punkt .", "Komma ,"}, 1),
        IntEntry("Einheit", "SpinEdit_dezimalstellen", "Dezimalstellen",
                 REF(c.output.decimalPlaces)),
        BoolEntry("Einheit", "CheckBox_archive", "Archivierungsmodus ?", REF(c.archiveMode)),
        RadioEntry("Einheit", "RadioGroup_chars", "Sonderzeichen", REF(c.output.characterSetting),
                   {"²  µ  °"_oem, "2 u  deg"}, 0),
        RadioEntry("Einheit", "RadioGroup_resultGraphic", "Ergebnisgrafik", REF(c.resultGraphic),
                   {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"},
                   0),
        TextEntry("Einheit", "Edit_plotCommandLine", "QUILMAR-Kommandozeile",
                  REF(c.plotCommandLine), any),
        TextEntry("Einheit", "Edit_textProgram", "Textprogramm", REF(c.textProgram), any),
        TextEntry("Einheit", "Edit_htmlBrowser", "HTML Browser", REF(c.htmlBrowser), any),
        BoolEntry("Einheit", "CheckBox_omitTitle", "ohne Titel", REF(c.omitMakerTitle)),
        BoolEntry("Einheit", "CheckBox_omitFileName", "ohne Dateiname", REF(c.omitFileName)),
        BoolEntry("Einheit", "CheckBox_omitDate", "ohne Datum", REF(c.omitDate)),
        BoolEntry("Einheit", "CheckBox_omitLogo", "ohne Logo", REF(c.omitLogo)),
    };
    // The layer table: names, colours and line thicknesses of the five main layers.
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        e.push_back(TextEntry(
            "CAD", ("Edit_layerName" + n).c_str(),
            "Layer " + n, [i](Configuration & c) -> auto& { return c.layers[i].name; }, 32));
        e.push_back(IntEntry(
            "CAD", ("Edit_layerColour" + n).c_str(),
            "Farbe " + n, [i](Configuration & c) -> auto& { return c.layers[i].colour; }));
        e.push_back(IntEntry(
            "CAD", ("Edit_layerThickness" + n).c_str(),
            "Strichstärke "_oem + n, [i](Configuration & c) -> auto& {
                return c.lineThickness0_5[i];
            }));
    }
    for (int i = 0; i < 16; ++i) {
        const std::string n = std::to_string(16 + i);
        e.push_back(IntEntry(
            "CAD", ("Edit_colour" + n).c_str(),
            "Color Layer " + n, [i](Configuration & c) -> auto& {
                return c.layerColours16_31[i];
            }));
    }
    return e;
}

#undef REF

}  // namespace

ConfigDialog::ConfigDialog(Workspace& ws, FileSystem& fs, const ScreenInfo& screen,
                           const std::string& tempEnvironment)
    : ws_(ws), fs_(fs), screen_(screen), tempEnvironment_(tempEnvironment) {
    caption = "Konfiguration";
    help = 2800;
    for (Entry& e : Entries()) {
        fields.push_back(std::move(e.field));
        bindings_.push_back(std::move(e.binding));
    }
    buttons = {OkButton(),
               CancelButton(),
               PushButton("Button_save", "&Speichern"),
               PushButton("Button_import", "Import.."),
               PushButton("Button_quilmar", "QUILMAR..."),
               ProposalFor("Edit_tempFolder", "Button_tempFromEnvironment", "TEMP"),
               ProposalFor("Edit_zoomFactor", "Button_zoomReset", "1.02"),
               ProposalFor("Edit_panFactor", "Button_panReset", "0.02")};
    Show(ws.config);
}

void ConfigDialog::Show(const Configuration& c) {
    for (std::size_t i = 0; i < fields.size(); ++i) bindings_[i].show(c, fields[i]);
    furtherPlotLines_ = c.plotCommandLines;
}

void ConfigDialog::Store(Configuration& c) {
    for (std::size_t i = 0; i < fields.size(); ++i) bindings_[i].store(c, fields[i]);
    c.plotCommandLines = furtherPlotLines_;
}

bool ConfigDialog::Press(const std::string& buttonName) {
    message.clear();
    if (buttonName == "Button_ok" || buttonName == "Button_save") {
        Store(ws_.config);
        if (buttonName == "Button_save" && !SaveConfigurationCommand(ws_, fs_)) {
            message = "Fehler beim Schreiben von \"" + ConfigFilePath(ws_.config, "cfg") + "\" !";
            return false;
        }
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        return Close(false);
    }
    if (buttonName == "Button_import") {
        // The imported file replaces the settings at once; the fields show what it held.
        if (ImportConfigurationCommand(ws_, fs_, screen_)) Show(ws_.config);
        ws_.abortFlag = false;
        return false;
    }
    if (buttonName == "Button_quilmar") {
        // All command lines of the plot program; the first is the field on this page.
        std::vector<std::string> lines{Field("Edit_plotCommandLine")->text};
        lines.insert(lines.end(), furtherPlotLines_.begin(), furtherPlotLines_.end());
        PlotCommandLinesForm form(lines);
        ws_.ui->RunForm(form);
        if (form.Accepted()) {
            lines = form.lines();
            Field("Edit_plotCommandLine")->text = lines.empty() ? std::string() : lines[0];
            furtherPlotLines_.assign(lines.begin() + (lines.empty() ? 0 : 1), lines.end());
        }
        return false;
    }
    if (buttonName == "Button_tempFromEnvironment") {
        Field("Edit_tempFolder")->text = tempEnvironment_;
        return false;
    }
    if (buttonName == "Button_zoomReset") {
        Field("Edit_zoomFactor")->text = "1.02";
        return false;
    }
    if (buttonName == "Button_panReset") {
        Field("Edit_panFactor")->text = "0.02";
        return false;
    }
    return false;
}

bool ConfigurationCommand(Workspace& ws, FileSystem& fs, const ScreenInfo& screen) {
    ConfigDialog dialog(ws, fs, screen, TempEnvironment());
    ws.ui->RunForm(dialog);
    if (dialog.Accepted()) return true;
    ws.abortFlag = true;
    return false;
}

}  // namespace bxr
