// Every dialog answers F1 and its help buttons with a topic that has a page in both languages.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/angle_form.h"
#include "app/beam_input.h"
#include "app/cad_output.h"
#include "app/calc_message_display.h"
#include "app/calc_settings_dialog.h"
#include "app/config_dialog.h"
#include "app/documentation_dialogs.h"
#include "app/drawing_options_form.h"
#include "app/material_dialog.h"
#include "app/plot_command_form.h"
#include "app/project_table_form.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"
#include "workspace/workspace.h"

namespace bxr {
namespace {

bool HasPage(int topic) {
    const std::string name = std::to_string(topic) + ".html";
    const std::filesystem::path help = std::filesystem::path(BXR_SOURCE_DATA_DIR) / "help";
    return std::filesystem::is_regular_file(help / "de" / name) &&
           std::filesystem::is_regular_file(help / "en" / name);
}

TEST(DialogHelp, EveryDialogHasATopicWithPagesAndItsHelpButtonsReachOne) {
    Workspace ws;
    test::ScriptedUi ui;
    ws.ui = &ui;
    test::MemoryFileSystem fs;
    bool flag = false;
    MaterialRecord material;
    OutputSettings settings;
    ChangeRecord change;
    DrawingData drawing;
    ProjectDocumentation documentation;
    std::array<std::string, 15> headings{};
    using Make = std::function<std::unique_ptr<FormModel>()>;
    const std::pair<const char*, Make> dialogs[] = {
        {"material", [&] { return std::make_unique<MaterialDialog>(material, settings,
                                                                   MaterialDialog::Editable{}); }},
        {"texts", [&] { return std::make_unique<TextDialog>(ws.model, flag); }},
        {"configuration",
         [&] { return std::make_unique<ConfigDialog>(ws, fs, ScreenInfo{}, "/tmp"); }},
        {"calculation", [&] { return std::make_unique<CalcSettingsDialog>(ws, nullptr); }},
        {"drawing options", [&] { return std::make_unique<DrawingOptionsForm>(ws.model); }},
        {"plot lines", [&] { return std::make_unique<PlotCommandLinesForm>(
                                 std::vector<std::string>{"a"}); }},
        {"project table",
         [&] { return std::make_unique<ProjectTableForm>(headings, std::vector<ProjectTableRow>{},
                                                         1); }},
        {"3-D angles", [&] { return std::make_unique<AngleForm>(std::array<Real, 3>{0, 1, 2}); }},
        {"diagram limits",
         [&] { return std::make_unique<DiagramLimitsForm>("t", "x", "y", std::array<Real, 4>{},
                                                          std::array<Real, 4>{}); }},
        {"message", [&] { return std::make_unique<MessageDescriptionForm>("m", "c", "r"); }},
        {"change", [&] { return std::make_unique<ChangeDialog>(change, 1, "01.01.2026"); }},
        {"drawing data",
         [&] { return std::make_unique<DrawingDataDialog>(drawing, "Frei", "01.01.2026",
                                                          settings); }},
        {"links", [&] { return std::make_unique<LinkDialog>(documentation, &ui); }},
    };
    for (const auto& [name, make] : dialogs) {
        const std::unique_ptr<FormModel> form = make();
        EXPECT_NE(form->help, 0) << name;
        EXPECT_TRUE(HasPage(form->help)) << name << " " << form->help;
        for (const FormButton& b : form->buttons) {
            if (b.role != ButtonRole::kHelp) continue;
            const int topic = b.help != 0 ? b.help : form->help;
            EXPECT_TRUE(topic != 0 && HasPage(topic)) << name << " " << b.name;
        }
    }
}

}  // namespace
}  // namespace bxr
