// Coloured multi-line text.
#include "interface/ClsIntMessage.h"

#include <algorithm>

#include "platform/Surface.h"

std::vector<LigneTexte> ClsIntMessage::Decouper(std::int32_t X, std::int32_t Y, std::string_view Message,
                                                std::uint32_t Base) {
    std::vector<LigneTexte> lignes;
    std::string_view reste = Message;
    std::int32_t y = Y;
    while (!reste.empty()) {
        std::uint32_t couleur = Base;
        if (reste.front() == '&') {
            couleur = Rouge;
            reste.remove_prefix(1);
        } else if (reste.front() == '$') {
            couleur = Bleu;
            reste.remove_prefix(1);
        }
        // A carriage return breaks before any "#": "#" stands for a line
        // break only in texts that a file keeps on one line.
        std::size_t coupure = reste.find('\r');
        const bool retourChariot = coupure != std::string_view::npos;
        if (!retourChariot) coupure = reste.find(Caractere_RetourLigne());
        if (coupure == std::string_view::npos) {
            lignes.push_back({X, y, std::string(reste), couleur});
            break;
        }
        lignes.push_back({X, y, std::string(reste.substr(0, coupure)), couleur});
        reste.remove_prefix(coupure + 1);
        // A line feed after a carriage return belongs to the same break.
        if (retourChariot && !reste.empty() && reste.front() == '\n') reste.remove_prefix(1);
        y += Hauteur_Caractere();
    }
    return lignes;
}

void ClsIntMessage::Afficher(std::int32_t X, std::int32_t Y, std::string_view Message, Surface& SurfBack,
                             std::uint32_t Couleur, bool ChangerCouleur) {
    if (Message.empty()) return;
    const std::uint32_t base = ChangerCouleur ? Couleur : CouleurAvantPlan;
    for (const LigneTexte& l : Decouper(X, Y, Message, base))
        if (!l.Texte.empty()) SurfBack.Texte(l.X, l.Y, l.Texte, l.Couleur);
    CouleurAvantPlan = base;
}

std::int16_t ClsIntMessage::Nombre_Lignes(std::string_view Chaine) {
    return static_cast<std::int16_t>(1 + std::count(Chaine.begin(), Chaine.end(), Caractere_RetourLigne()));
}
