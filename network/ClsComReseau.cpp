// The network session: settings, sessions, the host's relay and the
// checks every received message goes through.
#include "network/ClsComReseau.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "network/DonneesReseau.h"
#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"

using Protocole::Genre;
using Protocole::Paquet;

namespace {

constexpr const char* Section = "Reseau";
constexpr const char* EchecConnexion = "Impossible d'établir la connexion";

// A chat line: "<" & the player's name & "> " & the text typed.
bool EstDiscussion(const std::string& t) { return !t.empty() && t.front() == '<'; }

// An order: whatever is neither a chat line nor one of the session's own
// signals. Each names the sender's own character; its kind is the order
// layer's business (one it does not know does nothing at the replay).
bool EstOrdre(const std::string& t) {
    return !t.empty() && t != "\x01" && t != "Com" && t != "Prt" && t != "Hsh" && !EstDiscussion(t);
}

bool EntierExact32(double v) { return v >= 0 && v <= 4294967295.0 && std::floor(v) == v; }

// The join failed: the first line for every failure, then why.
std::string Echec(const std::string& raison) {
    return raison.empty() ? std::string(EchecConnexion) : std::string(EchecConnexion) + "\n" + raison;
}

// A duration for the player: "30 s", "1,5 s".
std::string Secondes(std::uint32_t ms) {
    if (ms % 1000 == 0) return std::to_string(ms / 1000) + " s";
    return std::to_string(ms / 1000) + "," + std::to_string(ms % 1000 / 100) + " s";
}

// The handshake of another version of this program: its kind and magic
// value are where ours are, the rest of its layout may differ.
bool AutreVersion(const std::vector<std::uint8_t>& d) {
    if (d.size() < 9 || d[0] != static_cast<std::uint8_t>(Genre::Bonjour)) return false;
    std::uint32_t magie = 0, version = 0;
    for (int i = 0; i < 4; ++i) {
        magie |= static_cast<std::uint32_t>(d[1 + i]) << (8 * i);
        version |= static_cast<std::uint32_t>(d[5 + i]) << (8 * i);
    }
    return magie == Protocole::Magie && static_cast<std::int32_t>(version) != Protocole::Version;
}

// The decoder's reason without its sentence around it.
std::string Motif(std::string erreur) {
    const std::string entete = "Message réseau refusé : ";
    if (erreur.rfind(entete, 0) == 0) erreur.erase(0, entete.size());
    if (!erreur.empty() && erreur.back() == '.') erreur.pop_back();
    return erreur;
}

// The most notices kept for a player who does not read them.
constexpr std::size_t AnnoncesMax = 32;
// Peers the host's transport holds beyond the players and the connections
// waiting: handshakes ENet has not reported yet, listings being let go.
constexpr std::size_t MargePairs = 64;

}  // namespace

const char* NomPartieEtat(std::size_t i) {
    static constexpr const char* Noms[NombrePartiesEtat] = {"personnages", "maisons", "fiefs", "trésors",
                                                            "source aléatoire"};
    return i < NombrePartiesEtat ? Noms[i] : "";
}

ClsComReseau::ClsComReseau(DossierJeu& Dossier, FabriqueTransport Fabrique)
    : dossier_(Dossier), fabrique_(std::move(Fabrique)) {
    ClsFicINI ini(dossier_);
    ini.NomFichier = "Ini_Reseau";
    ini.Section = Section;
    ServiceProvider = VersEntier16(Val(ini.Parametre("ServiceProvider")));
    NomJoueur = Protocole::Borner(ini.Parametre("NomJoueur"));
    NomSession = Protocole::Borner(ini.Parametre("NomSession"));
    NombreJoueurs = VersEntier32(Val(ini.Parametre("NombreJoueurs")));
    NombreJoueursMin = VersEntier32(Val(ini.Parametre("NombreJoueursMin")));
    NombreJoueursMax = VersEntier32(Val(ini.Parametre("NombreJoueursMax")));
    // The slider's bounds: at least two players, at most what a session holds.
    if (NombreJoueursMin < 2) NombreJoueursMin = 2;
    if (NombreJoueursMax > Protocole::JoueursMax || NombreJoueursMax < NombreJoueursMin)
        NombreJoueursMax = Protocole::JoueursMax;
    if (NombreJoueurs < NombreJoueursMin) NombreJoueurs = NombreJoueursMin;
    if (NombreJoueurs > NombreJoueursMax) NombreJoueurs = NombreJoueursMax;
    const std::string adresse = ini.Parametre("Adresse");
    if (!adresse.empty()) Adresse = adresse;
    const double port = Val(ini.Parametre("Port"));
    if (port >= 1 && port <= 65535) Port = static_cast<std::uint16_t>(port);
    // One provider: a number that names none leaves network play off
    // until a valid one is chosen and the program restarted.
    disponible_ = ServiceProvider >= 1 && ServiceProvider <= NombreServiceProviders && static_cast<bool>(fabrique_);
}

ClsComReseau::~ClsComReseau() { Fermer_Transport(); }

// ---- Settings ----

std::string ClsComReseau::ServiceProvider_Nom(std::int32_t Index) const {
    return Index >= 1 && Index <= NombreServiceProviders ? NomServiceTCP : "";
}

void ClsComReseau::Changer_Parametre_Ini(const std::string& Parametre, const std::string& Valeur) {
    ClsFicINI ini(dossier_);
    ini.NomFichier = "Ini_Reseau";
    ini.Section = Section;
    ini.Parametre(Parametre, Valeur);
}

void ClsComReseau::Definir_ServiceProvider(std::int16_t Valeur) {
    ServiceProvider = Valeur;
    Changer_Parametre_Ini("ServiceProvider", std::to_string(Valeur));
}
void ClsComReseau::Definir_NomJoueur(const std::string& Valeur) {
    NomJoueur = Protocole::Borner(Valeur);
    Changer_Parametre_Ini("NomJoueur", NomJoueur);
}
void ClsComReseau::Definir_NomSession(const std::string& Valeur) {
    NomSession = Protocole::Borner(Valeur);
    Changer_Parametre_Ini("NomSession", NomSession);
}
void ClsComReseau::Definir_NombreJoueurs(std::int32_t Valeur) {
    NombreJoueurs = Valeur;
    Changer_Parametre_Ini("NombreJoueurs", std::to_string(Valeur));
}

// ---- Waiting ----

bool ClsComReseau::Attendre(const std::function<bool()>& fait, std::uint32_t ms) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!fait()) {
        if (std::chrono::steady_clock::now() >= fin) return false;
        Pomper(1);
        if (PendantAttente) PendantAttente();
    }
    return true;
}

void ClsComReseau::Pomper(std::uint32_t AttenteMs) {
    if (!transport_) return;
    EvenementTransport e;
    // A bounded number per call, so that a flood never holds the game.
    for (int n = 0; n < 4096 && transport_ && transport_->Recevoir(e, n == 0 ? AttenteMs : 0); ++n) Evenement(e);
    if (Reseau_Serveur && transport_) Surveiller_Connexions();
}

// ---- Sessions ----

void ClsComReseau::Rafraichir_Parties() {
    parties_.clear();
    NombreParties = 0;
    if (!disponible_) {
        DerniereErreur = "Le jeu en réseau n'est pas disponible : choisissez un service valide puis relancez le jeu.";
        return;
    }
    // A connection of its own to the one address given: ask for the
    // session's description and hang up.
    std::unique_ptr<TransportReseau> t = fabrique_();
    t->Limiter(Limites.SilenceMaxMs, Protocole::TaillePaquetMax);
    std::uint32_t pair = 0;
    if (!t->Connecter(Adresse, Port, pair)) {
        DerniereErreur = t->Erreur();
        return;
    }
    bool fini = false;
    const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(Limites.AttenteHoteMs);
    EvenementTransport e;
    while (!fini && std::chrono::steady_clock::now() < fin) {
        while (!fini && t->Recevoir(e, 1)) {
            if (e.Pair != pair) continue;
            if (e.Type == EvenementTransport::Genre::Connexion) {
                Paquet q;
                q.Type = Genre::DemandeInfo;
                t->Envoyer(pair, Protocole::Encoder(q));
            } else if (e.Type == EvenementTransport::Genre::Deconnexion) {
                fini = true;
            } else if (auto p = Protocole::Decoder(e.Donnees); p && p->Type == Genre::Info) {
                parties_.push_back({p->Texte, p->NombreJoueurs, p->NombreJoueursMax, p->EnJeu});
                fini = true;
            }
        }
        if (PendantAttente) PendantAttente();
    }
    t->Fermer();
    NombreParties = static_cast<std::int16_t>(parties_.size());
}

std::string ClsComReseau::Partie_Nom(std::int32_t Index) const {
    return Index >= 1 && static_cast<std::size_t>(Index) <= parties_.size()
               ? parties_[static_cast<std::size_t>(Index - 1)].Nom
               : "";
}

bool ClsComReseau::Session_Creer() {
    if (Reseau_Actif) return false;
    if (!disponible_) {
        DerniereErreur = "Le jeu en réseau n'est pas disponible : choisissez un service valide puis relancez le jeu.";
        return false;
    }
    transport_ = fabrique_();
    transport_->Limiter(Limites.SilenceMaxMs, Protocole::TaillePaquetMax);
    // Room for every player and for the connections not yet joined, which
    // the host bounds itself (Surveiller_Connexions): ENet turns away
    // without a word whoever finds no room.
    if (!transport_->Ecouter(Adresse, Port,
                             static_cast<std::size_t>(Protocole::JoueursMax) + Limites.ConnexionsEnAttenteMax +
                                 MargePairs)) {
        DerniereErreur = "Impossible de créer le serveur : " + transport_->Erreur() + ".";
        transport_.reset();
        return false;
    }
    IDJoueur = 1;
    prochainID_ = 2;
    conduite_.clear();
    donneesHote_ = DonneesReseau::Ecrire(DonneesReseau::Empreintes(dossier_.Racine()));
    liste_ = {{1, NomJoueur.empty() ? "Joueur 1" : NomJoueur, false}};
    Reseau_Actif = Reseau_Serveur = true;
    HotePerdu = false;
    tour_ = 0;
    finEnvoyee_ = false;
    MessagesRefuses = 0;
    Rafraichir_Joueurs();
    return true;
}

bool ClsComReseau::Session_Rejoindre(std::int32_t Index) {
    if (Reseau_Actif) {
        DerniereErreur = Echec("une session est déjà ouverte");
        return false;
    }
    if (!disponible_) {
        DerniereErreur = Echec("le jeu en réseau n'est pas disponible");
        return false;
    }
    if (Index < 0 || static_cast<std::size_t>(Index) >= parties_.size()) {
        DerniereErreur = Echec("aucune session n'est choisie dans la liste");
        return false;
    }
    transport_ = fabrique_();
    transport_->Limiter(Limites.SilenceMaxMs, Protocole::TaillePaquetMax);
    hoteDeconnecte_ = false;
    reponseHote_.reset();
    renvoi_.clear();
    liste_.clear();
    bool connecte = false;
    if (!transport_->Connecter(Adresse, Port, pairHote_)) {
        DerniereErreur = Echec(transport_->Erreur());
        transport_.reset();
        return false;
    }
    // Connected, then the handshake, then the list naming this player.
    EvenementTransport e;
    const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(Limites.AttenteHoteMs);
    while (!connecte && !hoteDeconnecte_ && std::chrono::steady_clock::now() < fin) {
        if (transport_->Recevoir(e, 1)) {
            if (e.Pair == pairHote_ && e.Type == EvenementTransport::Genre::Connexion) connecte = true;
            else if (e.Pair == pairHote_ && e.Type == EvenementTransport::Genre::Deconnexion) hoteDeconnecte_ = true;
        }
        if (PendantAttente) PendantAttente();
    }
    if (connecte) {
        Paquet b;
        b.Type = Genre::Bonjour;
        b.Texte = NomJoueur;
        // The host compares them with its own: two programs whose rules
        // differ would build two worlds from the same choices.
        b.Donnees = DonneesReseau::Ecrire(DonneesReseau::Empreintes(dossier_.Racine()));
        transport_->Envoyer(pairHote_, Protocole::Encoder(b));
        Reseau_Client = true;  // the host's packets are read as a client's from here
        Attendre([&] { return reponseHote_.has_value() || hoteDeconnecte_; }, Limites.AttenteHoteMs);
        Reseau_Client = false;
    }
    if (!reponseHote_ || reponseHote_->Type != Genre::Accueil) {
        // The host's own reason first: it is what the player can act on.
        if (reponseHote_ && reponseHote_->Type == Genre::Refus)
            DerniereErreur = Echec(reponseHote_->Texte);
        else if (hoteDeconnecte_)
            DerniereErreur = Echec("l'hôte a fermé la connexion");
        else
            DerniereErreur = Echec("aucune réponse de " + Adresse + ":" + std::to_string(Port) + " en " +
                                   Secondes(Limites.AttenteHoteMs));
        Fermer_Transport();
        return false;
    }
    IDJoueur = reponseHote_->ID;
    NomSession = reponseHote_->Texte;
    Reseau_Actif = Reseau_Client = true;
    HotePerdu = false;
    tour_ = 0;
    finEnvoyee_ = false;
    MessagesRefuses = 0;
    // The list that names this player follows the welcome.
    auto nomme = [&] {
        for (const auto& j : liste_)
            if (j.ID == IDJoueur) return true;
        return false;
    };
    Attendre([&] { return nomme() || hoteDeconnecte_; }, Limites.AttenteHoteMs);
    Rafraichir_Joueurs();
    if (!Indice(IDJoueur)) {
        Session_Fermer();
        DerniereErreur = Echec(hoteDeconnecte_ ? "l'hôte a fermé la connexion"
                                               : "l'hôte n'a pas envoyé la liste des joueurs");
        return false;
    }
    return true;
}

void ClsComReseau::Fermer_Transport() {
    if (transport_) transport_->Fermer();
    transport_.reset();
    pairJoueur_.clear();
    pairsEnAttente_.clear();
    conduite_.clear();
}

void ClsComReseau::Session_Fermer() {
    Fermer_Transport();
    Reseau_Actif = Reseau_Serveur = Reseau_Client = false;
    liste_.clear();
    recus_.clear();
    parJoueur_.clear();
    Joueurs.clear();
    NombreJoueursConnectes = 0;
    CommencementDemande = false;
}

// ---- Players ----

std::optional<std::size_t> ClsComReseau::Indice(std::int32_t ID) const {
    // Joueurs follows liste_ at each refresh; a lookup before the first
    // refresh reads the host's list.
    for (std::size_t i = 0; i < Joueurs.size(); ++i)
        if (Joueurs[i].ID == ID) return i;
    return std::nullopt;
}

void ClsComReseau::Rafraichir_Joueurs() {
    if (!Reseau_Actif) {
        Joueurs.clear();
        NombreJoueursConnectes = 0;
        return;
    }
    // Players are named by their id, so that a name typed twice never
    // confuses whose entry is whose; queues follow their player.
    Joueurs.clear();
    for (const auto& j : liste_) {
        JoueurReseau r;
        r.ID = j.ID;
        r.Nom = j.Nom;
        r.Parti = j.Parti;
        auto it = parJoueur_.find(j.ID);
        r.Fini = it != parJoueur_.end() && it->second.Prets.count(tour_);
        Joueurs.push_back(r);
        if (j.ID == IDJoueur) Joueur_Local = static_cast<std::int16_t>(Joueurs.size() - 1);
    }
    for (auto it = parJoueur_.begin(); it != parJoueur_.end();)
        it = Indice(it->first) ? std::next(it) : parJoueur_.erase(it);
    NombreJoueursConnectes = static_cast<std::int16_t>(Joueurs.size());
}

std::string ClsComReseau::Joueur_Nom(std::int32_t Index) const {
    return Index >= 1 && static_cast<std::size_t>(Index) <= Joueurs.size() ? Joueurs[static_cast<std::size_t>(Index - 1)].Nom
                                                                           : "";
}
std::int32_t ClsComReseau::Joueur_ID(std::int32_t Index) const {
    return Index >= 1 && static_cast<std::size_t>(Index) <= Joueurs.size() ? Joueurs[static_cast<std::size_t>(Index - 1)].ID
                                                                           : 0;
}

// ---- Transport events ----

void ClsComReseau::Evenement(const EvenementTransport& e) {
    if (Reseau_Serveur) Evenement_Hote(e);
    else if (Reseau_Client || transport_) Evenement_Client(e);
}

void ClsComReseau::Diffuser(const std::vector<std::uint8_t>& octets, std::uint32_t Sauf) {
    for (const auto& [pair, id] : pairJoueur_)
        if (pair != Sauf) transport_->Envoyer(pair, octets);
}

void ClsComReseau::Liste_Diffuser() {
    Paquet l;
    l.Type = Genre::ListeJoueurs;
    l.Joueurs = liste_;
    Diffuser(Protocole::Encoder(l));
    recus_.push_back({true, {}});
}

void ClsComReseau::Evenement_Hote(const EvenementTransport& e) {
    using G = EvenementTransport::Genre;
    if (e.Type == G::Connexion) {
        if (pairJoueur_.count(e.Pair)) return;
        pairsEnAttente_.erase(e.Pair);
        // Room for the newcomer: the oldest connection still waiting goes.
        while (!pairsEnAttente_.empty() && pairsEnAttente_.size() >= Limites.ConnexionsEnAttenteMax) {
            auto vieille = std::min_element(pairsEnAttente_.begin(), pairsEnAttente_.end(),
                                            [](const auto& a, const auto& b) { return a.second.Debut < b.second.Debut; });
            transport_->Couper(vieille->first);
            pairsEnAttente_.erase(vieille);
        }
        pairsEnAttente_[e.Pair] = {Horloge::now(), false};
        return;
    }
    if (e.Type == G::Deconnexion) {
        pairsEnAttente_.erase(e.Pair);
        if (pairJoueur_.count(e.Pair)) Depart(e.Pair, "");
        return;
    }
    if (auto a = pairsEnAttente_.find(e.Pair); a != pairsEnAttente_.end()) {
        Poignee_De_Main(e, a->second);
        return;
    }
    // A peer being let go, or already removed.
    if (!pairJoueur_.count(e.Pair)) return;
    if (e.Donnees.size() > TaillePaquetClientMax) {
        ++MessagesRefuses;
        Exclure(e.Pair, "message de " + std::to_string(e.Donnees.size()) + " octets, plus long que tout ce que le jeu envoie");
        return;
    }
    std::string erreur;
    auto p = Protocole::Decoder(e.Donnees, &erreur);
    if (!p) {
        Fautif(e.Pair, Motif(erreur));
        return;
    }
    if (p->Type == Genre::Bonjour || p->Type == Genre::DemandeInfo) {
        Fautif(e.Pair, "poignée de main d'un joueur déjà admis");
        return;
    }
    if (p->Type != Genre::Message) {
        // Only a host sends those: not this program's client.
        ++MessagesRefuses;
        Exclure(e.Pair, "message que seul l'hôte envoie");
        return;
    }
    // The sender is who the connection says, never what it wrote.
    p->ID = pairJoueur_[e.Pair];
    if (!Verifier(e.Pair, *p)) return;
    Diffuser(Protocole::Encoder(*p), e.Pair);
    recus_.push_back({false, std::move(*p)});
}

void ClsComReseau::Poignee_De_Main(const EvenementTransport& e, EnAttente& a) {
    // Answered already: what else it sends is not read.
    if (a.Congedie) return;
    Paquet r;
    std::optional<Paquet> p;
    if (e.Donnees.size() <= TailleBonjourMax) p = Protocole::Decoder(e.Donnees);
    if (!p && AutreVersion(e.Donnees)) {
        r.Type = Genre::Refus;
        r.Texte = "version du jeu différente";
        Congedier(e.Pair, r);
        return;
    }
    const bool bonneVersion = p && p->Magie == Protocole::Magie && p->Version == Protocole::Version;
    if (bonneVersion && p->Type == Genre::DemandeInfo) {
        r.Type = Genre::Info;
        r.Texte = NomSession;
        r.NombreJoueurs = static_cast<std::int32_t>(liste_.size());
        r.NombreJoueursMax = NombreJoueurs;
        r.EnJeu = Reseau_EnJeu;
        Congedier(e.Pair, r);
        return;
    }
    if (p && p->Type == Genre::Bonjour && p->Magie == Protocole::Magie && p->Version != Protocole::Version) {
        r.Type = Genre::Refus;
        r.Texte = "version du jeu différente";
        Congedier(e.Pair, r);
        return;
    }
    if (!bonneVersion || p->Type != Genre::Bonjour) {
        // Not this program's handshake: closed at once.
        ++MessagesRefuses;
        pairsEnAttente_.erase(e.Pair);
        transport_->Couper(e.Pair);
        return;
    }
    std::int32_t presents = 0;
    for (const auto& j : liste_) presents += j.Parti ? 0 : 1;
    if (Reseau_EnJeu || presents >= NombreJoueurs) {
        r.Type = Genre::Refus;
        r.Texte = Reseau_EnJeu ? "la partie a déjà commencé" : "la session est complète";
        Congedier(e.Pair, r);
        return;
    }
    {
        const auto siennes = DonneesReseau::Lire(p->Donnees);
        const auto miennes = DonneesReseau::Lire(donneesHote_);
        const std::string ecart = siennes && miennes ? DonneesReseau::Comparer(*miennes, *siennes)
                                                     : "empreintes des données illisibles";
        if (!ecart.empty()) {
            r.Type = Genre::Refus;
            r.Texte = Protocole::Borner(ecart);
            Congedier(e.Pair, r);
            return;
        }
    }
    const std::int32_t id = prochainID_++;
    pairsEnAttente_.erase(e.Pair);
    pairJoueur_[e.Pair] = id;
    Conduite c;
    c.Jetons = Limites.RafaleChat;
    c.Remplissage = Horloge::now();
    conduite_[e.Pair] = c;
    liste_.push_back({id, p->Texte.empty() ? "Joueur " + std::to_string(id) : p->Texte, false});
    r.Type = Genre::Accueil;
    r.ID = id;
    r.Texte = NomSession;
    transport_->Envoyer(e.Pair, Protocole::Encoder(r));
    Liste_Diffuser();
}

void ClsComReseau::Congedier(std::uint32_t Pair, const Paquet& Reponse) {
    transport_->Envoyer(Pair, Protocole::Encoder(Reponse));
    transport_->Deconnecter(Pair);
    // It has the waiting time again to go; past it, it is cut.
    pairsEnAttente_[Pair] = {Horloge::now(), true};
}

bool ClsComReseau::Verifier(std::uint32_t Pair, const Paquet& p) {
    const std::string& t = p.Texte;
    // Nothing anywhere: not passed on.
    if (t.empty() || t == "\x01") return false;
    if (t == "Com") return Fautif(Pair, "signal de départ que seul l'hôte envoie");
    if (EstDiscussion(t)) return Chat_Permis(Pair);
    const bool fin = t == "Prt", empreinte = t == "Hsh", ordre = EstOrdre(t);
    if (p.Tour < tour_ || p.Tour > tour_ + 2)
        return Fautif(Pair, "message du tour " + std::to_string(p.Tour) + " pendant le tour " + std::to_string(tour_));
    Conduite& c = conduite_[Pair];
    if (p.Tour <= c.DernierTourFini)
        return Fautif(Pair, "message du tour " + std::to_string(p.Tour) + " qu'il a déjà fini");
    if (fin && p.Tour != c.DernierTourFini + 1)
        return Fautif(Pair, "fin du tour " + std::to_string(p.Tour) + " après celle du tour " +
                                std::to_string(c.DernierTourFini));
    std::int32_t place = -1;
    for (std::size_t i = 0; i < liste_.size(); ++i)
        if (liste_[i].ID == p.ID) place = static_cast<std::int32_t>(i);
    if ((fin || ordre) && p.Noperso != place)
        return Fautif(Pair, fin ? "fin de tour au nom d'un autre joueur" : "ordre au personnage d'un autre joueur");
    if (empreinte && (p.Noperso < 0 || p.Noperso >= static_cast<std::int32_t>(NombrePartiesEtat) ||
                      !EntierExact32(p.X) || !EntierExact32(p.Y)))
        return Fautif(Pair, "empreinte de l'état illisible");
    // A turn holds what a player can give in it, not a flood.
    if (p.Tour != c.TourCompte) {
        c.TourCompte = p.Tour;
        c.Compte = 0;
    }
    if (++c.Compte > Limites.MessagesParTourMax)
        return Fautif(Pair, "plus de " + std::to_string(Limites.MessagesParTourMax) + " messages dans le tour " +
                                std::to_string(p.Tour));
    if (fin) c.DernierTourFini = p.Tour;
    return true;
}

bool ClsComReseau::Chat_Permis(std::uint32_t Pair) {
    auto it = conduite_.find(Pair);
    if (it == conduite_.end()) return false;
    Conduite& c = it->second;
    const auto maintenant = Horloge::now();
    const double ecoule = std::chrono::duration<double, std::milli>(maintenant - c.Remplissage).count();
    c.Remplissage = maintenant;
    c.Jetons = std::min<double>(Limites.RafaleChat, c.Jetons + ecoule / std::max<std::uint32_t>(1, Limites.IntervalleChatMs));
    if (c.Jetons >= 1) {
        c.Jetons -= 1;
        return true;
    }
    // Too fast: the line is not passed on; a flood of them is a fault.
    ++MessagesRefuses;
    if (++c.Exces >= std::max<std::int32_t>(1, Limites.RafaleChat)) {
        c.Exces = 0;
        Faute(Pair, "messages de discussion trop rapprochés");
    }
    return false;
}

bool ClsComReseau::Fautif(std::uint32_t Pair, const std::string& Raison) {
    ++MessagesRefuses;
    Faute(Pair, Raison);
    return false;
}

void ClsComReseau::Faute(std::uint32_t Pair, const std::string& Raison) {
    auto it = conduite_.find(Pair);
    if (it != conduite_.end() && ++it->second.Fautes >= Limites.FautesMax)
        Exclure(Pair, "trop de messages invalides (le dernier : " + Raison + ")");
}

void ClsComReseau::Exclure(std::uint32_t Pair, const std::string& Raison) {
    if (!transport_) return;
    // It learns why and is let go (cut if it lingers), and nothing more of
    // it is read; for the others it has left, as a machine that stopped.
    Paquet r;
    r.Type = Genre::Refus;
    r.Texte = Protocole::Borner(Raison);
    const bool joueur = pairJoueur_.count(Pair) > 0;
    Congedier(Pair, r);
    if (joueur) Depart(Pair, Raison);
}

void ClsComReseau::Depart(std::uint32_t Pair, const std::string& Raison) {
    auto it = pairJoueur_.find(Pair);
    if (it == pairJoueur_.end()) return;
    const std::int32_t id = it->second;
    pairJoueur_.erase(it);
    conduite_.erase(Pair);
    // During a game its place is kept (characters are players' indices);
    // before, it simply leaves the list.
    const char* lieu = Reseau_EnJeu ? "partie" : "session";
    for (auto j = liste_.begin(); j != liste_.end(); ++j)
        if (j->ID == id) {
            Annoncer("« " + j->Nom + " » " +
                     (Raison.empty() ? std::string("a quitté la ") + lieu + "."
                                     : std::string("a été retiré de la ") + lieu + " : " + Raison + "."));
            if (Reseau_EnJeu) j->Parti = true;
            else liste_.erase(j);
            break;
        }
    Liste_Diffuser();
}

std::optional<std::uint32_t> ClsComReseau::Pair_Joueur(std::int32_t ID) const {
    for (const auto& [pair, id] : pairJoueur_)
        if (id == ID) return pair;
    return std::nullopt;
}

void ClsComReseau::Surveiller_Connexions() {
    const auto limite = Horloge::now() - std::chrono::milliseconds(Limites.AttenteJointureMs);
    for (auto it = pairsEnAttente_.begin(); it != pairsEnAttente_.end();) {
        if (it->second.Debut > limite) {
            ++it;
            continue;
        }
        transport_->Couper(it->first);
        it = pairsEnAttente_.erase(it);
    }
}

void ClsComReseau::Surveiller_Tour() {
    if (!Reseau_Serveur || !Reseau_EnJeu || !finEnvoyee_ || !transport_) return;
    if (Horloge::now() - debutAttenteTour_ < std::chrono::milliseconds(Limites.TourMaxMs)) return;
    std::vector<std::uint32_t> retardataires;
    for (const auto& j : Joueurs)
        if (!j.Parti && !j.Fini && j.ID != IDJoueur)
            if (auto pair = Pair_Joueur(j.ID)) retardataires.push_back(*pair);
    for (std::uint32_t pair : retardataires)
        Exclure(pair, "tour non terminé depuis " + Secondes(Limites.TourMaxMs));
}

void ClsComReseau::Annoncer(std::string Texte) {
    Annonces.push_back(std::move(Texte));
    while (Annonces.size() > AnnoncesMax) Annonces.pop_front();
}

void ClsComReseau::Evenement_Client(const EvenementTransport& e) {
    using G = EvenementTransport::Genre;
    if (e.Pair != pairHote_) return;
    if (e.Type == G::Deconnexion) {
        hoteDeconnecte_ = true;
        if (Reseau_Actif) {
            // Nobody relays any more: every other player is gone for us.
            HotePerdu = true;
            std::string hote = "l'hôte";
            for (auto& j : liste_) {
                if (j.ID == 1) hote = j.Nom;
                if (j.ID != IDJoueur) j.Parti = true;
            }
            recus_.push_back({true, {}});
            DerniereErreur = renvoi_.empty() ? "L'hôte « " + hote + " » a quitté la session."
                                             : "L'hôte vous a retiré de la session : " + renvoi_ + ".";
        }
        return;
    }
    if (e.Type != G::Reception) return;
    auto p = Protocole::Decoder(e.Donnees);
    if (!p) {
        ++MessagesRefuses;
        return;
    }
    switch (p->Type) {
    case Genre::Accueil:
    case Genre::Refus:
        if (!reponseHote_ && !Reseau_Actif) reponseHote_ = std::move(*p);
        // Removed by the host: why, before the connection closes.
        else if (Reseau_Actif && p->Type == Genre::Refus) renvoi_ = p->Texte;
        break;
    case Genre::ListeJoueurs: {
        // Ids unique and positive, the host first.
        std::set<std::int32_t> ids;
        for (const auto& j : p->Joueurs)
            if (j.ID <= 0 || !ids.insert(j.ID).second) {
                ++MessagesRefuses;
                return;
            }
        if (p->Joueurs.front().ID != 1) {
            ++MessagesRefuses;
            return;
        }
        // Whoever was there and is no more, or has left since.
        if (Reseau_Actif)
            for (const auto& avant : liste_) {
                if (avant.Parti || avant.ID == IDJoueur) continue;
                auto apres = std::find_if(p->Joueurs.begin(), p->Joueurs.end(),
                                          [&](const auto& j) { return j.ID == avant.ID; });
                if (apres == p->Joueurs.end() || apres->Parti)
                    Annoncer("« " + avant.Nom + " » a quitté la " + (Reseau_EnJeu ? "partie." : "session."));
            }
        liste_ = std::move(p->Joueurs);
        recus_.push_back({true, {}});
        break;
    }
    case Genre::Choix:
        ChoixHote = std::move(p->Texte);
        break;
    case Genre::Message:
        // This machine's own messages are handled when sent, never again.
        if (p->ID == IDJoueur) {
            ++MessagesRefuses;
            return;
        }
        recus_.push_back({false, std::move(*p)});
        break;
    default: ++MessagesRefuses; break;
    }
}

// ---- Messages ----

void ClsComReseau::Message_Envoyer(std::int32_t Noperso, const std::string& Texte, double X, double Y, double Z) {
    if (!Reseau_Actif || !transport_) return;
    Paquet p;
    p.Type = Genre::Message;
    p.ID = IDJoueur;
    // Once this machine has ended its turn, what it sends belongs to the
    // next one: the others may have played this turn already.
    p.Tour = finEnvoyee_ ? tour_ + 1 : tour_;
    p.Noperso = Noperso;
    p.Texte = Protocole::Borner(Texte);
    if (!Protocole::Utf8Valide(p.Texte)) p.Texte.clear();
    p.X = std::isfinite(X) ? X : 0;
    p.Y = std::isfinite(Y) ? Y : 0;
    p.Z = std::isfinite(Z) ? Z : 0;
    const auto octets = Protocole::Encoder(p);
    if (Reseau_Serveur) Diffuser(octets);
    else transport_->Envoyer(pairHote_, octets);
    // The sender handles its own message as the others do.
    Traiter_Message(IDJoueur, p.Tour, p.Noperso, p.Texte, p.X, p.Y, p.Z);
}

void ClsComReseau::Message_Envoyer_Unique(std::int32_t Noperso, const std::string& Texte, double X, double Y,
                                          double Z) {
    if (tourUniques_ != TourEnvoi()) {
        tourUniques_ = TourEnvoi();
        uniques_.clear();
    }
    // Bounded by what a player can ask in one turn; past that it goes anyway.
    if (uniques_.size() < 4096 && !uniques_.emplace(Noperso, Texte, X, Y, Z).second) return;
    Message_Envoyer(Noperso, Texte, X, Y, Z);
}

std::string ClsComReseau::Message_Lire() {
    Pomper(0);
    std::string dernier;
    while (!recus_.empty()) {
        Recu r = std::move(recus_.front());
        recus_.pop_front();
        if (r.Systeme) {
            Rafraichir_Joueurs();
            if (SurChangementJoueurs) SurChangementJoueurs();
            continue;
        }
        dernierTexte_.clear();
        Traiter_Message(r.P.ID, r.P.Tour, r.P.Noperso, r.P.Texte, r.P.X, r.P.Y, r.P.Z);
        if (!dernierTexte_.empty()) dernier = dernierTexte_;
    }
    // Every end of turn that has come is taken in: whoever has still not
    // ended it is late.
    Surveiller_Tour();
    return dernier;
}

void ClsComReseau::Traiter_Message(std::int32_t SenderID, std::int32_t Tour, std::int32_t Noperso,
                                   const std::string& Texte, double X, double Y, double Z) {
    if (Texte.empty() || Texte == "\x01") return;
    // On the host, what the checks on arrival could not see (a turn ended
    // twice) is one more fault of its sender.
    auto refuser = [&](const char* raison) {
        const auto pair = Reseau_Serveur && SenderID != IDJoueur ? Pair_Joueur(SenderID) : std::nullopt;
        if (pair) Fautif(*pair, raison);
        else ++MessagesRefuses;
    };
    const auto i = Indice(SenderID);
    if (!i) {
        refuser("expéditeur absent de la liste des joueurs");
        return;
    }
    const std::int32_t p = static_cast<std::int32_t>(*i);
    if (Texte == "Com") {
        if (SenderID == 1 && Reseau_Client && !Reseau_EnJeu) CommencementDemande = true;
        return;
    }
    const bool fin = Texte == "Prt", empreinte = Texte == "Hsh";
    if (EstDiscussion(Texte)) {
        // A chat line: never replayed, so its turn says nothing; it is
        // listed with the turn this machine is in.
        dernierTexte_ = Texte;
        parJoueur_[SenderID].Ordres[tour_].Ajouter(Noperso, Texte, X, Y, Z);
        return;
    }
    // A turn this machine cannot be in: the past, or beyond what a machine
    // one turn ahead can send.
    if (Tour < tour_ || Tour > tour_ + 2) {
        refuser("tour impossible");
        return;
    }
    ParJoueur& q = parJoueur_[SenderID];
    if (fin) {
        if (Noperso != p || q.Prets.count(Tour)) {
            refuser("fin de tour répétée ou au nom d'un autre");
            return;
        }
        q.Prets[Tour] = {X, Y, Z};
        if (Tour == tour_) Joueurs[*i].Fini = true;
        return;
    }
    if (empreinte) {
        if (Noperso < 0 || Noperso >= static_cast<std::int32_t>(NombrePartiesEtat) || !EntierExact32(X) ||
            !EntierExact32(Y)) {
            refuser("empreinte de l'état illisible");
            return;
        }
        q.Empreintes[Tour][Noperso] = (static_cast<std::uint64_t>(X) << 32) | static_cast<std::uint64_t>(Y);
        return;
    }
    // A player orders only its own character (character i is player i's).
    if (Noperso != p) {
        refuser("ordre au personnage d'un autre joueur");
        return;
    }
    q.Ordres[Tour].Ajouter(Noperso, Texte, X, Y, Z);
}

void ClsComReseau::Choix_Envoyer(const std::string& Texte) {
    if (!Reseau_Serveur || !transport_ || Texte.size() > Protocole::LongueurChoixMax) return;
    Paquet p;
    p.Type = Genre::Choix;
    p.Texte = Texte;
    Diffuser(Protocole::Encoder(p));
}

// ---- The turn ----

void ClsComReseau::Partie_Debut() {
    tour_ = 0;
    finEnvoyee_ = false;
    for (auto& [pair, c] : conduite_) c.DernierTourFini = -1;
    for (auto& [id, q] : parJoueur_) {
        // Chat lines of the setup are dropped; what a faster machine
        // already sent for the game's first turns stays.
        q.Ordres.erase(q.Ordres.begin(), q.Ordres.lower_bound(0));
        for (auto& [t, o] : q.Ordres)
            if (t == 0) {
                ClsComMessages gardes;
                for (std::int32_t k = 0; k < o.NombreMessages; ++k)
                    if (EstOrdre(o.Categorie(k))) gardes.Ajouter(o.Noperso(k), o.Categorie(k), o.X(k), o.Y(k), o.Z(k));
                o = gardes;
            }
    }
}

void ClsComReseau::Tour_Debut() {
    for (auto& [id, q] : parJoueur_) {
        q.Ordres.erase(q.Ordres.begin(), q.Ordres.upper_bound(tour_));
        q.Prets.erase(q.Prets.begin(), q.Prets.upper_bound(tour_));
        q.Empreintes.erase(q.Empreintes.begin(), q.Empreintes.upper_bound(tour_));
    }
    ++tour_;
    finEnvoyee_ = false;
    for (auto& j : Joueurs) {
        auto it = parJoueur_.find(j.ID);
        j.Fini = it != parJoueur_.end() && it->second.Prets.count(tour_);
    }
}

void ClsComReseau::Tour_Fin() {
    if (finEnvoyee_) return;
    Message_Envoyer(Joueur_Local, "Prt", Reseau_Serveur ? TicksParTour : 0);
    finEnvoyee_ = true;
    debutAttenteTour_ = Horloge::now();
}

std::string ClsComReseau::Message_Hote_Perdu() const {
    if (!renvoi_.empty()) return "L'hôte vous a retiré de la partie : " + renvoi_ + ".";
    for (const auto& j : liste_)
        if (j.ID == 1) return "L'hôte « " + j.Nom + " » a quitté la partie : elle s'arrête.";
    return "L'hôte a quitté la partie : elle s'arrête.";
}

bool ClsComReseau::Tour_Fini() const {
    if (HotePerdu) return true;
    for (const auto& j : Joueurs)
        if (!j.Parti && !j.Fini) return false;
    return true;
}

std::int32_t ClsComReseau::Ticks_Tour() const {
    auto it = parJoueur_.find(1);
    if (it == parJoueur_.end()) return 0;
    auto f = it->second.Prets.find(tour_);
    if (f == it->second.Prets.end()) return 0;
    // The host's number, bounded: a turn never runs away with the game.
    const double x = f->second.X;
    return x >= 0 && x <= 100 ? static_cast<std::int32_t>(x) : 0;
}

const ClsComMessages& ClsComReseau::Messages_Joueur(std::size_t p) const {
    static const ClsComMessages vide;
    if (p >= Joueurs.size()) return vide;
    auto it = parJoueur_.find(Joueurs[p].ID);
    if (it == parJoueur_.end()) return vide;
    auto o = it->second.Ordres.find(tour_);
    return o == it->second.Ordres.end() ? vide : o->second;
}

void ClsComReseau::Empreintes_Envoyer(const EmpreintesEtat& e) {
    for (std::size_t k = 0; k < NombrePartiesEtat; ++k)
        Message_Envoyer(static_cast<std::int32_t>(k), "Hsh", static_cast<double>(e[k] >> 32),
                        static_cast<double>(e[k] & 0xFFFFFFFFULL));
}

std::string ClsComReseau::Empreintes_Verifier(const EmpreintesEtat& locales) const {
    for (const auto& j : Joueurs) {
        if (j.Parti || j.ID == IDJoueur) continue;
        auto it = parJoueur_.find(j.ID);
        const std::map<std::int32_t, std::uint64_t>* e = nullptr;
        if (it != parJoueur_.end()) {
            auto t = it->second.Empreintes.find(tour_);
            if (t != it->second.Empreintes.end()) e = &t->second;
        }
        for (std::size_t k = 0; k < NombrePartiesEtat; ++k) {
            auto v = e ? e->find(static_cast<std::int32_t>(k)) : decltype(e->begin()){};
            if (!e || v == e->end() || v->second != locales[k])
                return std::string("Les parties ne sont plus identiques (") + NomPartieEtat(k) + " différents chez « " +
                       j.Nom + " », tour " + std::to_string(tour_) + ") : la partie s'arrête.";
        }
    }
    return "";
}
