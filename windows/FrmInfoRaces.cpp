#include "windows/FrmInfoRaces.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

QString Q(const std::string& texte) { return QString::fromStdString(texte); }

// A number as the player reads it: its shortest form within Chiffres
// significant digits, nothing after the last significant digit, the French
// decimal comma (12.5 -> "12,5", 120 -> "120").
std::string Texte(double x, int chiffres) {
    char tampon[64];
    auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general, chiffres);
    std::string s = err == std::errc() ? std::string(tampon, fin) : "0";
    if (s == "-0") s = "0";
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}
// Single-precision values (coefficients) keep 7 digits, double-precision
// ones (quantities) 15.
std::string TexteSimple(double x) { return Texte(x, 7); }
std::string TexteDouble(double x) { return Texte(x, 15); }

std::string Minuscules(const std::string& texte) { return Q(texte).toLower().toStdString(); }

}  // namespace

FrmInfoRaces::FrmInfoRaces(const ClsJeuParam& Parametres, int PositionSetup, QWidget* parent)
    : QDialog(parent), Parametres_(Parametres) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Races");

    LstRaces = new QListWidget(this);
    LstRaces->setObjectName("LstRaces");
    TxtDescription = new QPlainTextEdit(this);
    TxtDescription->setObjectName("TxtDescription");
    TxtDescription->setReadOnly(true);
    TxtDescription->setMaximumHeight(fontMetrics().height() * 5);

    auto* frameCarac = new QGroupBox(QString::fromUtf8("Progression des caractéristiques"), this);
    auto* grille = new QGridLayout(frameCarac);
    const char* legendes[6] = {"Vie :", "Energie :", "Magie :", "Moral :", "Attaque :", "Défense :"};
    for (int k = 0; k < 6; ++k) {
        ProgressBarCarac[k] = new QProgressBar(frameCarac);
        ProgressBarCarac[k]->setObjectName(QString("ProgressBarCarac%1").arg(k));
        ProgressBarCarac[k]->setRange(0, 200);
        ProgressBarCarac[k]->setTextVisible(false);
        LblCarac[k] = new QLabel(frameCarac);
        LblCarac[k]->setObjectName(QString("LblCarac%1").arg(k));
        LblCarac[k]->setMinimumWidth(fontMetrics().horizontalAdvance("0000,000%"));
        grille->addWidget(new QLabel(QString::fromUtf8(legendes[k]), frameCarac), k, 0);
        grille->addWidget(ProgressBarCarac[k], k, 1);
        grille->addWidget(LblCarac[k], k, 2);
    }
    grille->setColumnStretch(1, 1);

    auto liste = [this](QListWidget*& l, const char* nom) {
        l = new QListWidget(this);
        l->setObjectName(nom);
        l->setSelectionMode(QAbstractItemView::NoSelection);
        // Room for the longest lists of the default races without scrolling.
        l->setMinimumHeight(fontMetrics().lineSpacing() * 9);
        return l;
    };
    auto* listes = new QGridLayout;
    listes->addWidget(new QLabel("Bonus :", this), 0, 0);
    listes->addWidget(new QLabel("Malus :", this), 0, 1);
    listes->addWidget(liste(LstBonus, "LstBonus"), 1, 0);
    listes->addWidget(liste(LstMalus, "LstMalus"), 1, 1);
    listes->addWidget(new QLabel(QString::fromUtf8("Particularité(s) :"), this), 2, 0, 1, 2);
    listes->addWidget(liste(LstParticularite, "LstParticularite"), 3, 0, 1, 2);

    auto* droite = new QVBoxLayout;
    droite->addWidget(TxtDescription);
    droite->addWidget(frameCarac);
    droite->addLayout(listes, 1);
    auto* h = new QHBoxLayout(this);
    h->addWidget(LstRaces);
    h->addLayout(droite, 1);
    LstRaces->setMaximumWidth(fontMetrics().horizontalAdvance(QString(16, 'M')));
    resize(fontMetrics().horizontalAdvance(QString(100, 'x')), sizeHint().height());

    // Centred on the main window, along its top edge.
    if (parent) {
        const QRect cadre = parent->window()->frameGeometry();
        move(cadre.x() + (cadre.width() - width()) / 2, cadre.y());
    }

    // Every race, or the playable ones, in the order of the rules; the
    // setup window lists them by the same rule.
    for (std::int16_t i = 0; i < Parametres_.NombreRaces; ++i)
        if (Parametres_.JouerToutesLesRaces || Parametres_.Race_Jouable(i)) {
            races_.push_back(i);
            LstRaces->addItem(Q(Parametres_.Race_Nom(i)));
        }
    connect(LstRaces, &QListWidget::currentRowChanged, this, [this] { LstRaces_Click(); });
    if (PositionSetup >= 0 && PositionSetup < LstRaces->count())
        LstRaces->setCurrentRow(PositionSetup);
    else
        // Nothing chosen in the setup window: the list must not pick its
        // first row by itself when it takes the focus, or the setup window
        // would be told a race the player never chose.
        TxtDescription->setFocus();
}

FrmInfoRaces::Fiche FrmInfoRaces::Decrire(const ClsJeuParam& P, std::int32_t r) {
    Fiche f;
    const float coefs[6] = {P.Race_CoefVie(r),    P.Race_CoefEnergie(r), P.Race_CoefMagie(r),
                            P.Race_CoefMoral(r),  P.Race_CoefAttaque(r), P.Race_CoefDefense(r)};
    for (int k = 0; k < 6; ++k) {
        // The percentage of a single, read from the single's own digits.
        const double pourcent = static_cast<double>(coefs[k]) * 100.0;
        f.Barres[static_cast<std::size_t>(k)] =
            static_cast<int>(std::clamp(std::nearbyint(std::isfinite(pourcent) ? pourcent : 0.0), 0.0, 200.0));
        f.Coefficients[static_cast<std::size_t>(k)] = TexteSimple(pourcent) + "%";
    }

    auto competence = [&f](float c, const std::string& nom) {
        if (c > 1)
            f.Bonus.push_back("+" + TexteSimple((static_cast<double>(c) - 1) * 100) + "% " + nom);
        else if (c < 1)
            f.Malus.push_back("-" + TexteSimple((1 - static_cast<double>(c)) * 100) + "% " + nom);
    };
    for (std::int32_t k = 0; k < P.NombreCompetencesSpeciales; ++k)
        competence(P.Race_CoefCompSpeciales(r, k), P.Speciales_NomCompetences(k));
    for (std::int32_t k = 0; k < P.NombreRessources; ++k)
        competence(P.Race_CoefCompRessources(r, k), P.Ressources_NomCompetence(k));
    // Service type 0 has no skill: skill k belongs to service type k + 1.
    for (std::int32_t k = 0; k < P.NombreServices - 1; ++k)
        competence(P.Race_CoefCompServices(r, k), P.Service_NomCompetence(k + 1));
    for (std::int32_t k = 0; k < P.NombreCompetencesObjets; ++k)
        competence(P.Race_CoefCompObjets(r, k), P.CompetenceObjet_Nom(k));

    auto& L = f.Particularites;
    auto regeneration = [&L](const char* libelle, float vitesse) {
        if (vitesse > 0) L.push_back(std::string(libelle) + TexteNombreFrancais(vitesse * 1000.0, 2) + "% ");
    };
    const bool infatigable = P.Race_Infatigable(r);
    regeneration("Régénération de vie : ", P.Race_VitesseRegenerationVie(r));
    if (!infatigable) regeneration("Régénération d'énergie : ", P.Race_VitesseRegenerationEnergie(r));
    regeneration("Régénération de magie : ", P.Race_VitesseRegenerationMagie(r));
    if (!infatigable) regeneration("Régénération de moral : ", P.Race_VitesseRegenerationMoral(r));
    if (P.Race_Volant(r)) L.push_back("Volant");
    if (!P.Race_Parole(r)) L.push_back("Muet");
    if (!P.Race_Experience(r)) L.push_back("Ne gagne pas d'expérience");
    if (P.Race_CommentairesSpecifique(r) > 0) L.push_back("Langage spécifique");
    if (P.Race_PorteeAttaque(r) != P.PersosPorteeAttaque)
        L.push_back("+" + std::to_string(P.Race_PorteeAttaque(r)) + " Portée d'attaque");
    if (P.Race_EffetAttaque(r) != 0) L.push_back("Effet d'attaque : " + P.Effet_Nom(P.Race_EffetAttaque(r)));
    if (P.Race_Armure(r) != 0) L.push_back("+" + std::to_string(P.Race_Armure(r)) + " Armure");
    const int ecart = P.Race_Vitesse(r) - P.PersosVitesse;
    if (ecart > 0) L.push_back("+" + std::to_string(ecart) + " Vitesse");
    if (ecart < 0) L.push_back(std::to_string(ecart) + " Vitesse");
    if (infatigable) L.push_back("Infatiguable");
    if (P.Race_RestaurationComplete(r)) L.push_back("Restauration complète");
    if (P.Race_Kamikaze(r)) L.push_back("Kamikaze");

    std::string ressources;
    for (std::int32_t k = 0; k < P.NombreRessources; ++k) {
        const double q = P.Race_Ressources(r, k);
        if (q > 0) ressources += (ressources.empty() ? "" : ", ") + TexteDouble(q) + " " + Minuscules(P.Ressources_Nom(k));
    }
    if (!ressources.empty()) L.push_back(ressources);

    // Only items given free (no talent price) are traits of the race; an
    // index that names no item is no trait at all.
    auto gratuit = [&P](std::int32_t objet) {
        return objet >= 0 && objet < P.NombreTypesObjets && P.Objet_PrixTalents(objet) == 0;
    };
    std::string equipement;
    for (std::int32_t j = 0; j < P.Race_NombreEquipement(r); ++j) {
        const std::int32_t o = P.Race_Equipement(r, j);
        if (gratuit(o)) equipement += (equipement.empty() ? "" : ", ") + Minuscules(P.Objet_Nom(o));
    }
    if (!equipement.empty()) L.push_back("Equipement : " + equipement);
    for (std::int32_t j = 0; j < P.Race_NombreObjets(r); ++j) {
        const std::int32_t o = P.Race_Objet(r, j);
        if (gratuit(o)) L.push_back("Capacité spéciale : " + Minuscules(P.Objet_Nom(o)));
    }
    return f;
}

void FrmInfoRaces::LstRaces_Click() {
    const int position = LstRaces->currentRow();
    if (position < 0 || position >= static_cast<int>(races_.size())) return;
    const std::int16_t race = races_[static_cast<std::size_t>(position)];
    emit RaceChoisie(position);

    TxtDescription->setPlainText(Q(Parametres_.Race_Description(race)));
    const Fiche f = Decrire(Parametres_, race);
    for (std::size_t k = 0; k < 6; ++k) {
        ProgressBarCarac[k]->setValue(f.Barres[k]);
        LblCarac[k]->setText(Q(f.Coefficients[k]));
    }
    auto remplir = [](QListWidget* l, const std::vector<std::string>& lignes) {
        l->clear();
        for (const auto& s : lignes) l->addItem(Q(s));
    };
    remplir(LstBonus, f.Bonus);
    remplir(LstMalus, f.Malus);
    remplir(LstParticularite, f.Particularites);
}
