#include "windows/Demarrage.h"
#include "saves/ModScenario.h"

#include <QCoreApplication>
#include <QMenu>

#include <iostream>

#include "devices/ClsPerMusique.h"
#include "devices/ClsPerSon.h"
#include "display/ClsPerEcran.h"
#include "network/ClsComReseau.h"
#include "platform/enet/TransportENet.h"
#include "platform/sdl/SonSDL.h"
#include "platform/ErreurFichier.h"
#include "platform/qt/DialoguesQt.h"
#include "windows/FrmParam.h"
#include "windows/LanceurQt.h"
#include "windows/MDIFrmMain.h"

namespace {

// The viewers' and pages' errors go to the same boxes as the windows'
// questions: boxes handed in by a caller (a test) answer both.
class AvertisseurBoites : public AvertisseurErreur {
public:
    explicit AvertisseurBoites(Dialogues& Boites) : boites_(Boites) {}
    void Erreur(const std::string& Message) override { boites_.Message(Message, "Erreur", ::Dialogues::Icone::Critique); }
    void Erreur_Titre(const std::string& Message, const std::string& Titre) override {
        boites_.Message(Message, Titre.empty() ? "Erreur" : Titre, Dialogues::Icone::Critique);
    }

private:
    Dialogues& boites_;
};

}  // namespace

Demarrage::Demarrage(std::filesystem::path Dossier_, ::Dialogues* Dialogues_, LanceurExterne* Lanceur_)
    : Dossier(std::move(Dossier_)),
      dialoguesQt_(Dialogues_ ? nullptr : std::make_unique<DialoguesQt>()),
      lanceurQt_(Lanceur_ ? nullptr : std::make_unique<LanceurQt>()),
      avertisseur_(Dialogues_ ? std::unique_ptr<AvertisseurErreur>(std::make_unique<AvertisseurBoites>(*Dialogues_))
                              : std::unique_ptr<AvertisseurErreur>(std::make_unique<AvertisseurQt>())),
      dialogues_(Dialogues_ ? Dialogues_ : dialoguesQt_.get()),
      lanceur_(Lanceur_ ? Lanceur_ : lanceurQt_.get()) {}

Demarrage::~Demarrage() {
    // The windows go first: they point into the objects below.
    FenetrePrincipale.reset();
    if (Jeu_Monde) Jeu_Monde->Reseau = nullptr;
    if (Musique) Musique->StopSon();
}

void Demarrage::Signaler_Erreurs_IA() {
    const auto& erreurs = Jeu_Monde->IA2.ErreursChargement;
    if (erreurs.empty()) return;
    // One box for them all, each fault naming its file; the scripts that
    // loaded are kept and the game goes on.
    std::string texte;
    for (const std::string& e : erreurs) texte += e + "\n\n";
    texte += erreurs.size() == 1
                 ? "Le jeu continue sans cette IA : les personnages qui devaient la suivre ont le comportement de base."
                 : "Le jeu continue sans ces IAs : les personnages qui devaient les suivre ont le comportement de base.";
    Dialogues().Message(texte, "Erreur", ::Dialogues::Icone::Critique);
}

bool Demarrage::Main() {
    GenerateurMusique.SemerHorloge();
    QCoreApplication::processEvents();
    SortieSon = std::make_unique<SonSDL>();
    if (!SortieSon->Disponible()) std::cerr << SonSDL::MessageSansSon << "\n";
    try {
        Son = std::make_unique<ClsPerSon>(Dossier);
        Musique = std::make_unique<ClsPerMusique>(Dossier, GenerateurMusique, SortieSon.get());
    } catch (const ErreurFichier& e) {
        std::cerr << e.what() << "\n";
        Son.reset();
        Musique.reset();
    }
    FenetrePrincipale = std::make_unique<MDIFrmMain>(*this);
    MDIFrmMain& f = *FenetrePrincipale;
    // Each caption is shown while its step loads: the window is up from the
    // first step so that the player sees them.
    f.MDIForm_Load();
    f.Sablier(true);
    auto legende = [&f](const std::string& suite) {
        f.Legende(suite);
        QCoreApplication::processEvents();
    };
    try {
        legende(" - chargement");
        // The world, the speech lines, the message feed and the statistics
        // live in the game state; its constructor reads their files.
        Jeu_Monde = std::make_unique<ModMain>(Dossier);
        Reseau = std::make_unique<ClsComReseau>(Dossier, FabriqueTransportENet());
        Jeu_Monde->Reseau = Reseau.get();
        legende(" - chargement jeu");
        Jeu = std::make_unique<ClsJeu>(Dossier);
        legende(" - chargement messages");
        Messages = std::make_unique<ClsJeuMessages>(*Jeu_Monde);
        legende(" - chargement affichage");
        dd = std::make_unique<Graphique>(Dossier, Decodeur, Graphique::FabriqueGlyphes(CreerGlyphesQt));
        legende(" - chargement périphériques");
        Ecran = std::make_unique<ClsPerEcran>(Dossier);
        legende(" - chargement interface");
        // A broken bindings file costs the keys, not the game (each game
        // says so again when it reads them).
        try {
            Touches = std::make_unique<ClsIntTouches>(Dossier);
        } catch (const ErreurFichier& e) {
            std::cerr << e.what() << "\n";
        }
        legende(" - chargement documents");
        Jeu_Monde->Documents.Charger_Parametres_Documents();
        Jeu_Monde->Charger_Parametres(legende);
        legende(" - chargement combats");
        Jeu_Monde->Combat.Charger_Parametres_Combat();
        legende(" - chargement sauvegardes");
        Jeu_Monde->SavPerso.Charger_Parametres_SavPerso();
        SavMonde = std::make_unique<ModSAVMonde>(Dossier);
        SavMonde->Charger_Parametres_SavMonde();
        SavMonde->Brancher(*Jeu_Monde);
        ModScenario::Brancher(*Jeu_Monde);
        legende(" - chargement IAs");
        Jeu_Monde->IA2.Charger_IAs();
        Signaler_Erreurs_IA();
        legende(" - chargement fenêtres");
        f.Charger_FrmParam();
    } catch (const ErreurFichier& e) {
        f.hide();
        Dialogues().Message(e.what(), "Erreur", ::Dialogues::Icone::Critique);
        return false;
    } catch (const ErreurImage& e) {
        f.hide();
        Dialogues().Message(e.what(), "Erreur", ::Dialogues::Icone::Critique);
        return false;
    } catch (const ErreurChargementPartie& e) {
        f.hide();
        Dialogues().Message(e.what(), "Erreur", ::Dialogues::Icone::Critique);
        return false;
    }
    for (QMenu* m : {f.MenuPartie, f.MenuPersonnage, f.MenuOptions, f.MenuAide}) m->menuAction()->setEnabled(true);
    f.Legende("");
    QCoreApplication::processEvents();
    f.Sablier(false);
    return true;
}
