#include "app/project_commands.h"

#include <algorithm>

#include "app/program_folders.h"
#include "app/project_table_form.h"
#include "app/select_material.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "format/units.h"
#include "model/project_file.h"
#include "platform/ui.h"

namespace bxr {
namespace {

std::string Filter(const std::string& extension) {
    return "*." + extension + "|*." + extension;
}

bool HasDot(const std::string& name) {
    return name.find('.') != std::string::npos;
}

std::string BareNamePath(const Workspace& ws, const std::string& name,
                         const std::string& extension) {
    return JoinPath(ws.dataFolder, name + "." + extension);
}

bool InArchiveMode(const Workspace& ws) {
    return ws.config.archiveMode && !ws.commandLineProject.empty();
}

void Tell(Workspace& ws, const std::string& text) {
    ws.ui->ShowMessage(text);
}

std::string DamagedMessage(const std::string& path, const ReadReport& report, bool tooLarge) {
    if (tooLarge) return "Datei \""_oem + path + "\" ist zu groß und wurde nicht geladen."_oem;
    return "Datei \""_oem + path + "\" ist beschädigt oder unvollständig (Zeile "_oem +
           std::to_string(report.line) + "); nichts wurde geladen."_oem;
}

// The file's bytes, or nothing with a message and the abort flag. `tooLarge` tells that only
// the first kMaxProjectFileBytes were read.
std::optional<std::string> ReadWhole(Workspace& ws, FileSystem& fs, const std::string& path,
                                     bool& tooLarge) {
    auto data = fs.Read(path, kMaxProjectFileBytes + 1);
    if (!data) {
        ws.abortFlag = true;
        Tell(ws, "Datei \"" + path + "\" kann nicht gelesen werden !");
        return std::nullopt;
    }
    tooLarge = data->size() > kMaxProjectFileBytes;
    if (tooLarge) data->resize(kMaxProjectFileBytes);
    return data;
}

// The path of a file to read: a bare name lies in dataFolder; an empty name asks.
std::optional<std::string> ResolveOpenName(Workspace& ws, const std::string& name,
                                           const std::string& extension, bool* fromDialog) {
    if (fromDialog) *fromDialog = false;
    if (!name.empty()) return HasDot(name) ? name : BareNamePath(ws, name, extension);
    std::optional<std::string> chosen;
    chosen = ws.ui->ChooseFileToOpen(Filter(extension), ws.dataFolder);
    if (!chosen || chosen->empty()) {
        ws.abortFlag = true;
        return std::nullopt;
    }
    if (fromDialog) *fromDialog = true;
    return chosen;
}

}  // namespace

std::string ProjectPath(const Workspace& ws) {
    if (ws.currentName.empty()) return {};
    // The project of the command line keeps the extension it was named with.
    if (!ws.commandLineProject.empty() &&
        StripExtension(ws.commandLineProject) == JoinPath(ws.dataFolder, ws.currentName))
        return ws.commandLineProject;
    return BareNamePath(ws, ws.currentName, kProjectExtension);
}

std::optional<std::string> ResolveSaveName(Workspace& ws, FileSystem& fs, const std::string& name,
                                           const std::string& extension, bool askOverwrite) {
    if (InArchiveMode(ws) && name != "aktuell") {
        Tell(ws, "File- und User- Befehle sind im Archivierungsmodus nicht möglich."_oem);
        ws.abortFlag = true;
        return std::nullopt;
    }
    std::string path;
    if (name.empty()) {
        std::optional<std::string> chosen;
        chosen = ws.ui->ChooseFileToSave(Filter(extension), ws.dataFolder, ws.currentName);
        if (!chosen || chosen->empty()) {
            ws.abortFlag = true;
            return std::nullopt;
        }
        ws.dataFolder = FolderOf(*chosen);
        const std::string bare = StripExtension(FileNameOf(*chosen));
        path = BareNamePath(ws, bare, extension);
        ws.currentName = bare;
    } else if (HasDot(name)) {
        path = name;
    } else {
        path = BareNamePath(ws, name, extension);
    }

    const bool exists = fs.IsFile(path);
    if (exists && askOverwrite && path.find("aktuell") == std::string::npos) {
        std::optional<bool> yes;
        ws.ui->SetHelpTopic(1110);
        yes =
            ws.ui->AskYesNo(path + " " + "existiert bereits" + ".   " + "überschreiben"_oem + " ?");
        if (!yes || !*yes) {
            ws.abortFlag = true;
            return std::nullopt;
        }
    }
    // Can the file be created? An existing file is never truncated for this test (the write
    // that follows may still fail); a probe beside it shows that the folder takes new files.
    std::string probe = path;
    auto h =
        exists ? CreateTempFile(fs, FolderOf(path), ".bxr", ".probe", probe) : fs.CreateNew(path);
    bool creatable = h && h->Close();
    if (creatable) fs.Remove(probe);
    if (!creatable) {
        Tell(ws, "Ungültiger Dateiname "_oem + "\"" + path + "\"" + " !");
        ws.abortFlag = true;
        return std::nullopt;
    }
    return path;
}

bool WriteProjectFile(Workspace& ws, FileSystem& fs, const std::string& name, bool askOverwrite) {
    const auto path = ResolveSaveName(ws, fs, name, kProjectExtension, askOverwrite);
    if (!path) return false;
    // The file holds the user's entries only. The loads a calculation appended are stripped
    // from a copy, so the lists in memory look after the save exactly as before it.
    const BeamModel* model = &ws.model;
    BeamModel userEntries;
    if (ws.model.auxLoadsAppended) {
        userEntries = ws.model;
        RemoveAddedLoads(userEntries);
        model = &userEntries;
    }
    const std::string text = ProjectFileText(*model, ws.documentation, ws.output());
    if (!WriteFileSafely(fs, *path, text)) {
        ws.abortFlag = true;
        Tell(ws, "Fehler beim Schreiben von \"" + *path +
                     "\" ! Die bisherige Datei bleibt unverändert."_oem);
        return false;
    }
    return true;
}

bool ReadProjectFile(Workspace& ws, FileSystem& fs, const std::string& name) {
    bool fromDialog = false;
    const auto path = ResolveOpenName(ws, name, kProjectExtension, &fromDialog);
    if (!path) return false;
    bool tooLarge = false;
    const auto data = ReadWhole(ws, fs, *path, tooLarge);
    if (!data) return false;
    // A damaged file loads nothing: the project in memory stays as it was, with its name.
    const ReadReport report =
        tooLarge ? ReadReport{} : ReadProjectText(*data, ws.model, ws.documentation);
    if (!report.Ok() || tooLarge) {
        ws.abortFlag = true;
        Tell(ws, DamagedMessage(*path, report, tooLarge));
        return false;
    }
    RestoreMaterialStrengths(ws, fs);
    if (fromDialog) {
        ws.dataFolder = FolderOf(*path);
        ws.currentName = StripExtension(FileNameOf(*path));
    }
    return true;
}

bool LoadTemplateProject(Workspace& ws, FileSystem& fs) {
    const std::string path = TemplateProjectPath(ws, fs);
    if (path.empty()) return false;
    const bool read = ReadProjectFile(ws, fs, path);
    ws.currentName.clear();
    ws.model.modified = false;
    return read;
}

bool SaveCommand(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    if (!WriteProjectFile(ws, fs, ProjectPath(ws), false)) return false;
    ws.model.modified = false;
    return true;
}

bool SaveAsCommand(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    if (!WriteProjectFile(ws, fs, "", true)) return false;
    ws.model.modified = false;
    AddRecentFile(ws.recentFiles, BareNamePath(ws, ws.currentName, kProjectExtension));
    return true;
}

bool OpenCommand(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    if (!ConfirmDiscard(ws, fs)) return false;
    if (!ReadProjectFile(ws, fs, "")) return false;
    ws.model.modified = false;
    AddRecentFile(ws.recentFiles, BareNamePath(ws, ws.currentName, kProjectExtension));
    return true;
}

bool ConfirmDiscard(Workspace& ws, FileSystem& fs) {
    if (InArchiveMode(ws)) {
        ws.model.modified = false;
        return true;
    }
    if (!ws.model.modified) return true;
    if (!ws.currentName.empty()) {
        std::optional<bool> yes;
        ws.ui->SetHelpTopic(1110);
        yes = ws.ui->AskYesNo("Datei speichern (" + ProjectPath(ws) + ") ?");
        if (!yes) {
            ws.abortFlag = true;
            return false;
        }
        if (*yes) {
            if (!WriteProjectFile(ws, fs, ProjectPath(ws), false)) return false;
        }
        ws.model.modified = false;
        return true;
    }
    std::optional<bool> yes;
    ws.ui->SetHelpTopic(1110);
    yes = ws.ui->AskYesNo("Bisherige Eingaben verwerfen ?");
    if (!yes || !*yes) {
        ws.abortFlag = true;
        return false;
    }
    ws.model.modified = false;
    return true;
}

void AddRecentFile(std::vector<std::string>& recent, const std::string& path) {
    const std::string key = LowerText(path);
    std::erase_if(recent, [&](const std::string& p) { return p.empty() || LowerText(p) == key; });
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentFileCount) recent.resize(kRecentFileCount);
}

std::string ShortenPath(const std::string& path) {
    if (path.size() < 50) return path;
    // The root "/" plays the part of a drive: the head reaches the separator after it.
    const auto first = path.find('/', 1);
    const auto last = path.find_last_of('/');
    if (first == std::string::npos || first == last) return path;
    return path.substr(0, first + 1) + "..." + path.substr(last);
}

std::string RecentFileCaption(int i, const std::string& path) {
    return "&" + std::to_string(i) + " " + ShortenPath(path);
}

RecentFileMenu BuildRecentFileMenu(const std::vector<std::string>& recent) {
    RecentFileMenu menu;
    for (int i = 0; i < kRecentFileCount && i < static_cast<int>(recent.size()); ++i) {
        if (recent[i].empty()) continue;
        menu.captions[i] = RecentFileCaption(i + 1, recent[i]);
        menu.visible[i] = true;
    }
    menu.separatorVisible = !recent.empty() && !recent[0].empty();
    return menu;
}

bool OpenRecentFile(Workspace& ws, FileSystem& fs, int i) {
    ws.abortFlag = false;
    if (i < 1 || i > static_cast<int>(ws.recentFiles.size())) return false;
    if (!ConfirmDiscard(ws, fs)) return false;
    const std::string path = ws.recentFiles[i - 1];
    if (!fs.IsFile(path)) {
        ws.recentFiles.erase(ws.recentFiles.begin() + (i - 1));
        Tell(ws, "File " + path + " not found !");
        return false;
    }
    ws.currentName = StripExtension(FileNameOf(path));
    ws.dataFolder = FolderOf(path);
    if (!ReadProjectFile(ws, fs, path)) return false;
    AddRecentFile(ws.recentFiles, path);
    ws.model.modified = false;
    return true;
}

bool ExportKorm(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    const auto path = ResolveSaveName(ws, fs, "", kKormExtension, true);
    if (!path) return false;
    const std::string text = KormFileText(ws.model, ws.documentation, ws.section, ws.output());
    if (!WriteFileSafely(fs, *path, text)) {
        ws.abortFlag = true;
        Tell(ws, "Fehler beim Schreiben von \"" + *path +
                     "\" ! Die bisherige Datei bleibt unverändert."_oem);
        return false;
    }
    ws.model.modified = false;
    return true;
}

bool ImportKorm(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    if (!ConfirmDiscard(ws, fs)) return false;
    const auto path = ResolveOpenName(ws, "", kKormExtension, nullptr);
    if (!path) return false;
    bool tooLarge = false;
    const auto data = ReadWhole(ws, fs, *path, tooLarge);
    if (!data) return false;
    const ReadReport report =
        tooLarge ? ReadReport{} : ReadKormText(*data, ws.model, ws.documentation, ws.section);
    if (!report.Ok() || tooLarge) {
        ws.abortFlag = true;
        Tell(ws, DamagedMessage(*path, report, tooLarge));
        return false;
    }
    ws.model.modified = false;
    return true;
}

std::array<std::string, 15> ProjectTableHeadings(const OutputSettings& s) {
    return {"File",   "Date  y/m/d", "No.",   "Name",
            "Info 1", "Info 2",      "n geo", "l [" + UnitText(s, Quantity::Length) + "]",
            "Lager",  "Material",    "F",     "q",
            "Mb",     "Fax",         "kerb"};
}

std::vector<ProjectTableRow> ScanProjectFolder(Workspace& ws, FileSystem& fs) {
    std::vector<ProjectTableRow> rows;
    const auto names = fs.List(ws.dataFolder);
    if (!names) return rows;
    const std::string suffix = LowerText(std::string(".") + kProjectExtension);
    for (const std::string& name : *names) {
        if (name.size() <= suffix.size() ||
            LowerText(name.substr(name.size() - suffix.size())) != suffix)
            continue;
        const std::string path = JoinPath(ws.dataFolder, name);
        ws.ui->ShowCaption("BXR  -  Trägerberechnung -> "_oem + name);
        const auto data = fs.Read(path, kMaxProjectFileBytes);
        if (!data) continue;
        // A damaged file loads nothing and cannot be opened from the table: it has no row.
        if (!ReadProjectText(*data, ws.model, ws.documentation).Ok()) continue;
        const BeamModel& m = ws.model;
        ProjectTableRow row;
        row.path = path;
        std::string date;
        if (const auto d = fs.ModificationDate(path))
            date = IntText(d->year) + "/" + IntZeroPadded(d->month, 2) + "/" +
                   IntZeroPadded(d->day, 2);
        row.cells = {name,
                     date,
                     m.drawingNumber,
                     m.drawingName,
                     m.headerLines[2],
                     m.headerLines[3],
                     IntText(m.contourCount),
                     FormatQuantityField(ws.output(), Quantity::Length, m.length, 5, 1),
                     IntText(m.supportType),
                     m.material.name,
                     IntText(m.pointLoadCount),
                     IntText(m.distributedLoadCount),
                     IntText(m.momentLoadCount),
                     IntText(m.axialLoadCount),
                     IntText(m.notchZoneCount)};
        rows.push_back(std::move(row));
    }
    ws.ui->ShowCaption("");
    return rows;
}

bool OpenFromTable(Workspace& ws, FileSystem& fs) {
    ws.abortFlag = false;
    if (!ConfirmDiscard(ws, fs)) return false;
    ws.currentName.clear();
    const auto rows = ScanProjectFolder(ws, fs);
    if (rows.empty()) return false;
    bool opened = false;
    int current = 1;
    for (;;) {
        ProjectTableForm table(ProjectTableHeadings(ws.output()), rows, current);
        ws.ui->RunForm(table);
        const ProjectTableRow* chosen = table.Chosen();
        if (!table.Accepted() || chosen == nullptr) break;
        current = table.CurrentRow();
        ws.abortFlag = false;
        // A name without folder and extension, as everywhere else: Save then writes back
        // into dataFolder rather than into whatever folder happens to be current.
        if (ReadProjectFile(ws, fs, chosen->path)) {
            ws.currentName = StripExtension(FileNameOf(chosen->path));
            ws.model.modified = false;
            opened = true;
            ws.ui->RedrawCurrentView();
        }
    }
    return opened;
}

}  // namespace bxr
