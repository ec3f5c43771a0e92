#include "config/vocabulary.h"

#include <gtest/gtest.h>

namespace bxr {
namespace {

TEST(vocabulary, english_keeps_the_german_words_it_does_not_define_and_german_restores_all) {
    Vocabulary v;
    EXPECT_EQ(v.language(), 0);
    v.Apply(kLanguageEnglish);
    EXPECT_EQ(v.Text("file"), "&File");
    EXPECT_EQ(v.Text("geometry"), "&Geometry");
    EXPECT_EQ(v.Text("springRate"), "&Federrate");
    EXPECT_EQ(v.Text("tableProfile"), "Tabe&lle Profil");
    EXPECT_EQ(v.Text("deformation"), "&Verformung");
    EXPECT_EQ(v.Text("dimensioned"), "be&maßt");
    // From Romanian to English the four stay Romanian: each keeps its previous text.
    v.Apply(kLanguageRomanian);
    v.Apply(kLanguageEnglish);
    EXPECT_EQ(v.Text("deformation"), "&Deformatie");
    v.Apply(kLanguageGerman);
    EXPECT_EQ(v.Text("file"), "&Datei");
    EXPECT_EQ(v.Text("deformation"), "&Verformung");
    EXPECT_EQ(v.Text("geometry"), "&Geometrie");
}

TEST(vocabulary, languages_without_engineering_words_keep_them_german) {
    struct Case {
        int code;
        const char* file;
        const char* save;
        const char* exit;
        const char* menu;
    };
    const Case cases[] = {{kLanguageItalian, "&File", "&Salva", "&Esci", "Menu"},
                          {kLanguageSwedish, "&Arkiv", "&Spara", "&Avsluta", "Meny"},
                          {kLanguagePortuguese, "&Arquivo", "&Salvar", "S&aida", "Menu"},
                          {kLanguageSpanish, "&Archivo", "&Guardar", "&Salir", "Menú"}};
    for (const Case& c : cases) {
        Vocabulary v;
        v.Apply(c.code);
        EXPECT_EQ(v.language(), c.code);
        EXPECT_EQ(v.Text("file"), c.file) << c.code;
        EXPECT_EQ(v.Text("save"), c.save) << c.code;
        EXPECT_EQ(v.Text("exit"), c.exit) << c.code;
        EXPECT_EQ(v.Text("menu"), c.menu) << c.code;
        EXPECT_EQ(v.Text("bedding"), "&Lagerung") << c.code;
        EXPECT_EQ(v.Text("diagrams"), "&Diagramme") << c.code;
    }
    Vocabulary fr;
    fr.Apply(kLanguageFrench);
    EXPECT_EQ(fr.Text("file"), "&Fichier");
    EXPECT_EQ(fr.Text("save"), "&Enregistrer");
    EXPECT_EQ(fr.Text("exit"), "&Quitter");
    EXPECT_NE(fr.Text("geometry"), "&Geometrie");
}

TEST(vocabulary, a_code_outside_the_languages_changes_no_word) {
    for (int code : {0, 10, -1}) {
        Vocabulary v;
        v.Apply(kLanguageKorean);
        v.Apply(code);
        EXPECT_EQ(v.language(), code);
        EXPECT_EQ(v.Text("file"), "파일(&F)");
        EXPECT_EQ(v.Text("geometry"), "도형(&G)");
    }
    Vocabulary german;
    german.Apply(0);
    EXPECT_EQ(german.Text("file"), "&Datei");
}

}  // namespace
}  // namespace bxr
