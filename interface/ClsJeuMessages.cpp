// The message feed of one local player.
#include "interface/ClsJeuMessages.h"

#include "engine/ModMain.h"

ClsJeuMessages::ClsJeuMessages(DossierJeu& Dossier, GenerateurLocal& Generateur, const double& Horloge)
    : dossier_(&Dossier), generateur_(&Generateur), horloge_(&Horloge) {}

ClsJeuMessages::ClsJeuMessages(ModMain& Main)
    : ClsJeuMessages(Main.Dossier, Main.GenerateurPlateforme, Main.Horloge) {}

void ClsJeuMessages::Init(const ClsJeuParam&, std::int16_t DeltaX, std::int16_t DeltaY) {
    DerniereMaison = -1;
    DernierArgent = 0.0;
    PositionX = static_cast<std::int16_t>(PositionX + DeltaX);
    PositionY = static_cast<std::int16_t>(PositionY + DeltaY);
}
void ClsJeuMessages::Afficher_Messages(const ClsJeuPerso&, const ClsInterface*, const ClsJeuParam&, Surface&) {}
void ClsJeuMessages::Ajouter_Message(const std::string& Message) { ListeMessages.push_back(Message); }
void ClsJeuMessages::Afficher_Conseil() {}
void ClsJeuMessages::Ajouter_Message_SauvegardeMonde() { Ajouter_Message(MessageSauvegardeMonde); }
void ClsJeuMessages::Effacer() { ListeMessages.clear(); }
