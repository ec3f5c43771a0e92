#include "config/vocabulary.h"

#include <array>

namespace bxr {

namespace {

// One entry in every language, in the order of the codes 1..9: German, English, French,
// Italian, Swedish, Portuguese, Romanian, Korean, Spanish. Null where a language has no text.
struct Word {
    const char* key;
    std::array<const char*, 9> text;
};

constexpr const char* _ = nullptr;

// clang-format off
const Word kGeneral[] = {
    {"file",        {"&Datei", "&File", "&Fichier", "&File", "&Arkiv", "&Arquivo", "&Fisier", "파일(&F)", "&Archivo"}},
    {"new",         {"&Neu...", "&New...", "&Nouveau...", "&Nuovo...", "&Ny...", "&Novo...", "&Fisier nou...", "새로만들기(&N)", "&Nuevo..."}},
    {"open",        {"Ö&ffnen...", "&Open...", "&Ouvrir...", "&Apri...", "&Öppna...", "&Abrir...", "&Deschide...", "열기(&O)", "&Abrir..."}},
    {"table",       {"&Tabelle", "&Table", "&Tableau", "&Tabella", "&Tabell", "&Tabela", "&Tabele", "테이블(&b)", "&Tabla"}},
    {"save",        {"&Speichern...", "&Save...", "&Enregistrer", "&Salva", "&Spara", "&Salvar", "&Salveaza", "저장(&S)...", "&Guardar"}},
    {"saveAs",      {"Speichern &Unter...", "Save &As...", "Enregistrer &sous...", "Salva &con nome...", "Spara s&om...", "Salvar &como...", "Salveaza &ca...", "다른이름으로 저장(&A)", "Guardar &como..."}},
    {"import",      {"&Import", "&Import", "&Importer", "&Importa", "&Importera", "&Importar", "&Import", "받아들이기(&I)", "&Importar"}},
    {"export",      {"Ex&port", "Ex&port", "Ex&porter", "Es&porta", "Ex&portera", "Ex&portar", "Ex&port", "내보내기(&p)", "Ex&portar"}},
    {"print",       {"&Drucken...", "&Print...", "&Imprimer...", "S&tampa...", "Skriv &ut...", "&Imprimir...", "&Imprimare...", "프린트(&P)", "&Imprimir..."}},
    {"settings",    {"E&instellungen", "Se&ttings", "&Paramètres", "&Impostazioni", "&Inställningar", "&Configurações", "Se&tari", "환경설정(&t)", "&Configuración"}},
    {"exit",        {"&Beenden", "E&xit", "&Quitter", "&Esci", "&Avsluta", "S&aida", "Ie&sire", "끝내기(&x)", "&Salir"}},
    {"edit",        {"&Bearbeiten", "&Edit", "É&dition", "&Modifica", "&Redigera", "&Editar", "&Editare", "편집(&E)", "&Edición"}},
    {"undo",        {"&Rückgängig", "&Undo", "&Annuler", "&Annulla", "&Ångra", "&Desfazer", "&Anulare", "실행 취소(&U)", "&Deshacer"}},
    {"redo",        {"&Wiederherstellen", "&Redo", "&Rétablir", "&Ripristina", "&Gör om", "&Refazer", "&Refacere", "다시 실행(&R)", "&Rehacer"}},
    {"text",        {"Te&xt", "Te&xt", "Te&xte", "Te&sto", "Te&xt", "Te&xto", "Te&xt", "텍스트(&x)", "Te&xto"}},
    {"info",        {"&Info", "&Info", "&Info", "&Info", "&Info", "&Info", "&Informatii", "정보(&I)", "&Info"}},
    {"reset",       {"&Rücksetzen", "&Reset", "&Réinitialiser", "&Azzera", "&Återställ", "&Repor", "&Resetare", "리셋(&R)", "&Restablecer"}},
    {"view",        {"&Ansicht", "&View", "&Affichage", "&Visualizza", "&Visa", "&Ver", "&Examinare", "보기(&V)", "&Ver"}},
    {"printout",    {"&Ausdruck", "&Printout", "&Impression", "&Stampa", "&Utskrift", "&Impressão", "&Imprimare", "프린트출력(&P)", "&Impresión"}},
    {"position",    {"&Position", "P&osition", "P&osition", "P&osizione", "P&osition", "P&osição", "P&ozitie", "위치(&o)", "P&osición"}},
    {"errorMessages", {"&Fehlermeldungen", "&Error messages", "Messages d'&erreur", "Messaggi di &errore", "&Felmeddelanden", "Mensagens de &erro", "&mesaje de eroare", "에러메시지(&E)", "Mensajes de &error"}},
    {"database",    {"Datenban&k", "&Database", "&Base de données", "&Database", "&Databas", "&Base de dados", "&Baza de date", "데이터베이스(&D)", "&Base de datos"}},
    {"document",    {"D&okument", "D&ocument", "D&ocument", "D&ocumento", "D&okument", "D&ocumento", "D&ocument", "문서(&o)", "D&ocumento"}},
    {"drawingData", {"&Zeichnungsdaten", "&Drawing data", "&Données du dessin", "&Dati del disegno", "&Ritningsdata", "&Dados do desenho", "&Informatii despre desen", "도면데이터(&D)", "&Datos del dibujo"}},
    {"changesInfo", {"Änderungen - &Info", "Modifications - &Info", "Modifications - &Info", "Modifiche - &Info", "Ändringar - &Info", "Modificações - &Info", "Modificari - &Informatii", "수정-정보(&I)", "Modificaciones - &Info"}},
    {"changesPrint", {"Änderungen - &Ausdruck", "Modifications - &Printout", "Modifications - &Impression", "Modifiche - &Stampa", "Ändringar - &Utskrift", "Modificações - &Impressão", "Modificari - &La imprimanta", "수정-프린트출력(&P)", "Modificaciones - &Impresión"}},
    {"changeNew",   {"&Neue Änderung", "Modification - &New", "&Nouvelle modification", "&Nuova modifica", "&Ny ändring", "&Nova modificação", "Modificari - &Nou", "수정-새로 만들기(&N)", "&Nueva modificación"}},
    {"changeModify", {"Letzte Änderung &bearbeiten", "&Edit previous modification", "&Modifier la dernière modification", "&Modifica l'ultima modifica", "&Redigera senaste ändring", "&Editar última modificação", "&Editeaza modif. prec.", "이전의 수정편집(&E)", "&Editar última modificación"}},
    {"changeDelete", {"Letzte Änderung &löschen", "&Delete previous modification", "&Supprimer la dernière modification", "&Elimina l'ultima modifica", "&Ta bort senaste ändring", "&Apagar última modificação", "&Sterge modif. prec.", "이전의 수정삭제(&D)", "&Borrar última modificación"}},
    {"documentSetup", {"Dokument &Setup", "Document &Setup", "Document &Configuration", "Documento &Impostazioni", "Dokument &Inställningar", "Documento &Configuração", "Document &Setari", "문서설정(&S)", "Documento &Configuración"}},
    {"help",        {"&Hilfe", "&Help", "&Aide", "&Guida", "&Hjälp", "A&juda", "&Ajutor", "도움말(&H)", "A&yuda"}},
    {"helpText",    {"&Hilfetext", "&Help text", "&Texte d'aide", "&Testo di aiuto", "&Hjälptext", "&Texto de ajuda", "&Text de ajutor", "도움말 텍스트(&T)", "&Texto de ayuda"}},
    {"auxImages",   {"&Hilfebild", "&Auxiliary images", "&Images d'aide", "&Immagini di aiuto", "&Hjälpbilder", "&Imagens de ajuda", "&Imagini auxiliare", "도움이미지(&A)", "&Imágenes de ayuda"}},
    {"menu",        {"Menü", "Menu", "Menu", "Menu", "Meny", "Menu", "Meniu", "메뉴", "Menú"}},
    {"language",    {"&Sprache", "&Language", "&Langue", "&Lingua", "&Språk", "&Idioma", "&Limba", "언어(&L)", "&Idioma"}},
    {"german",      {"&Deutsch", "&Deutsch", "&Deutsch", "&Deutsch", "&Deutsch", "&Deutsch", "&Deutsch", "&Deutsch", "&Deutsch"}},
    {"english",     {"&English", "&English", "&English", "&English", "&English", "&English", "&English", "&English", "&English"}},
    {"romanian",    {"&Roman", "&Roman", "&Roman", "&Roman", "&Roman", "&Roman", "&Roman", "&Roman", "&Roman"}},
    {"korean",      {"&Korea", "&Korea", "&Korea", "&Korea", "&Korea", "&Korea", "&Korea", "&Korea", "&Korea"}},
    {"homepage",    {"&VORTANE Homepage", "&VORTANE Homepage", "Page d'accueil &VORTANE", "Sito &VORTANE", "&VORTANE hemsida", "Página &VORTANE", "Pagina &VORTANE", "VORTANE 홈페이지(&V)", "Página &VORTANE"}},
    {"email",       {"&E-Mail an VORTANE", "&E-Mail to VORTANE", "&E-mail à VORTANE", "&E-mail a VORTANE", "&E-post till VORTANE", "&E-mail para VORTANE", "&E-mail catre VORTANE", "VORTANE 이메일(&E)", "&E-mail a VORTANE"}},
    {"about",       {"Ü&ber BXR...", "&About BXR...", "À &propos de BXR...", "&Informazioni su BXR...", "&Om BXR...", "&Sobre o BXR...", "&Despre BXR...", "BXR 정보(&A)...", "&Acerca de BXR..."}},
    {"calcDocument", {"Berechnungsdo&kument (PDF)...", "Calculation &document (PDF)...", "Note de &calcul (PDF)...", "Rela&zione di calcolo (PDF)...", "Beräknings&dokument (PDF)...", "&Memorial de cálculo (PDF)...", "Doc&ument de calcul (PDF)...", "계산서 PDF(&K)...", "&Memoria de cálculo (PDF)..."}},
    {"picture",     {"&Zeichnung als Bild...", "Drawing as &picture...", "Dessin en &image...", "Disegno come &immagine...", "Ritning som &bild...", "Desenho como &imagem...", "Desen ca &imagine...", "그림으로 저장(&i)...", "Dibujo como &imagen..."}},
    {"spreadsheet", {"&Tabellenkalkulation", "&Spreadsheet", "&Tableur", "&Foglio di calcolo", "&Kalkylblad", "&Folha de cálculo", "&Foaie de calcul", "스프레드시트(&S)", "&Hoja de cálculo"}},
    {"start",       {"&Starten", "&Start", "&Démarrer", "&Avvia", "&Starta", "&Iniciar", "&Porneste", "시작(&S)", "&Iniciar"}},
};

const Word kEngineering[] = {
    {"geometry",    {"&Geometrie", "&Geometry", "&Géométrie", _, _, _, "&Geometrie", "도형(&G)", _}},
    {"length",      {"Lä&nge", "Le&ngth", "Lo&ngueur", _, _, _, "Lu&ngime", "길이(&n)", _}},
    {"material",    {"&Werkstoff", "&Material", "&Matériau", _, _, _, "&Material", "소재선정(&M)", _}},
    {"bedding",     {"&Lagerung", "&Bedding", "&Appuis", _, _, _, "&Suprafata de sprijin", "베딩(&B)", _}},
    {"radialForce", {"&Einzelkraft", "&Radial Force", "Force &ponctuelle", _, _, _, "&Forta radiala", "레이디얼힘(&R)", _}},
    {"pathLoad",    {"&Streckenlast", "&Path Load", "Charge &répartie", _, _, _, "&Linie a incarcarii", "궤적하중(&P)", _}},
    {"bendingMoment", {"&Biegemoment", "&Bending Moment", "Moment de &flexion", _, _, _, "&Moment de incovoiere", "굽힘모멘트(&B)", _}},
    {"axialLoad",   {"&Axialkraft", "&Axial Load", "Force &axiale", _, _, _, "&Forta Axiala", "축방향힘(&A)", _}},
    {"notchZone",   {"Kerb&zone", "Stress Concentration &Zone", "&Zone d'entaille", _, _, _, "Zona de conc. a solicitarii", "응력집중영역(&Z)", _}},
    {"shaftDrawing", {"&Wellenzeichnung", "S&haft drawing", _, _, _, _, "Desen &arbore", "축 도면(&H)", _}},
    {"shaftSections", {"Wellen&abschnitte", "Shaft &sections", _, _, _, _, "Sectiuni &arbore", "축 단면(&A)", _}},
    {"profiles",    {"&Profile", "&Profiles", "&Profils", _, _, _, "&Profile(sectiuni)", "프로파일(&P)", _}},
    {"calculation", {"&Berechnung", "&Calculation", "&Calcul", _, _, _, "&Calcul", "연산(&C)", _}},
    {"schema",      {"&Schema", "D&raft", "&Schéma", _, _, _, "Schita", "도면(&r)", _}},
    {"quick",       {"&Quick", "&Quick", "&Quick", _, _, _, "&Vizualizare Rapida", "Quick(&Q)", _}},
    {"profile",     {"&Profil", "&Profile", "&Profil", _, _, _, "&Profil(sectiune)", "프로파일(&P)", _}},
    {"profileStress", {"Pr&ofil mit Spannung/Biegung", "Profile with &stress/deflection", "Pr&ofil avec contrainte/flexion", _, _, _, "Sectiune cu &solicit./deflectie", "응력/처짐을 갖는 프로파일(&s)", _}},
    {"profileTable", {"Tabelle &Profildaten", "Profile &Table", "&Tableau du profil", _, _, _, "Tabela profilului", "프로파일테이블(&T)", _}},
    {"productionDrawing", {"&Fertigungszeichnung", "&Production drawing", "&Dessin de fabrication", _, _, _, "&Desen de productie", "산품도(&P)", _}},
    {"diagrams",    {"&Diagramme", "&Diagrams", "&Diagrammes", _, _, _, "&Diagrame", "그래픽선도(&D)", _}},
    {"shearLoad",   {"&Querkraft", "&Radial Load", "Effort &tranchant", _, _, _, "&Incarcare radiala", "레이디얼하중(&R)", _}},
    {"bendingAngle", {"Biege&winkel", "Bending &Angle", "&Angle de flexion", _, _, _, "Unghi de incovoiere", "굽힘각도(&A)", _}},
    {"bendingLine", {"Biege&linie", "Bending &Line", "&Ligne élastique", _, _, _, "Curba de incovoiere", "굽힘선(&L)", _}},
    {"bendingStress", {"Bie&gespannung", "Bending S&tress", "Contrainte de fle&xion", _, _, _, "Solicit. de incovoiere", "굽힘응력(&t)", _}},
    {"referenceStress", {"Vergleichsspannung", "&Reference Stress", "Contrainte é&quivalente", _, _, _, "&Solicit. de referinta", "기준응력(&R)", _}},
    {"tension",     {"&Zug/Druck", "&Tension/Pressure", "&Traction/Compression", _, _, _, "&Tensiune/Presiune", "인장/압력(&T)", _}},
    {"view3d",      {"&3D-Ansicht", "&3D View", "Vue &3D", _, _, _, "Vedere &3D", "3D 보기(&3)", _}},
    {"cad",         {"&CAD", "&CAD", "&CAO", _, _, _, "&CAD", "&CAD", _}},
    {"planeXy",     {"x-&y-Ebene", "x-&y plane", "Plan x-&y", _, _, _, "Planul x-&y", "x-y 평면(&y)", _}},
    {"planeXz",     {"x-&z-Ebene", "x-&z plane", "Plan x-&z", _, _, _, "Planul x-&z", "x-z 평면(&z)", _}},
    {"planeXyz",    {"&resultierend x-yz", "&resultant x-yz", "&résultante x-yz", _, _, _, "&rezultanta x-yz", "합성 x-yz(&r)", _}},
    {"planeAll",    {"&alle drei", "&all three", "les &trois", _, _, _, "&toate trei", "세 평면 모두(&a)", _}},
    // Words of the product family that this menu does not show; English has none of them.
    {"springRate",  {"&Federrate", _, "&Raideur", _, _, _, "&Constanta arcului", "스프링상수(&F)", _}},
    {"tableProfile", {"Tabe&lle Profil", _, "Tab&leau profil", _, _, _, "Tabe&la profil", "프로파일 테이블(&l)", _}},
    {"deformation", {"&Verformung", _, "&Déformation", _, _, _, "&Deformatie", "변형(&V)", _}},
    {"dimensioned", {"be&maßt", _, "&coté", _, _, _, "&cotat", "치수기입(&m)", _}},
};
// clang-format on

template <std::size_t N>
void Fill(std::map<std::string, std::string>& into, const Word (&words)[N], int code) {
    for (const Word& w : words) {
        const char* t = w.text[static_cast<std::size_t>(code - 1)];
        if (t != nullptr) into[w.key] = t;
    }
}

}  // namespace

bool HasEngineeringWords(int code) {
    return code == kLanguageGerman || code == kLanguageEnglish || code == kLanguageFrench ||
           code == kLanguageRomanian || code == kLanguageKorean;
}

Vocabulary::Vocabulary() {
    Fill(general_, kGeneral, kLanguageGerman);
    Fill(engineering_, kEngineering, kLanguageGerman);
}

void Vocabulary::Apply(int code) {
    language_ = code;
    if (code >= 1 && code <= 9) Fill(general_, kGeneral, code);
    if (HasEngineeringWords(code)) Fill(engineering_, kEngineering, code);
}

std::string Vocabulary::Text(const std::string& key) const {
    if (auto g = general_.find(key); g != general_.end()) return g->second;
    if (auto e = engineering_.find(key); e != engineering_.end()) return e->second;
    return "[" + key + "]";
}

bool Vocabulary::Has(const std::string& key) const {
    return general_.count(key) != 0 || engineering_.count(key) != 0;
}

bool Vocabulary::IsGeneral(const std::string& key) const {
    return general_.count(key) != 0;
}

}  // namespace bxr
