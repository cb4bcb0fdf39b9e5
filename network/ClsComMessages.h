// One player's queue of received messages (orders, chat lines) for one
// turn, in arrival order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MessageCom {
    std::int32_t Noperso = 0;
    std::string Categorie;
    double X = 0, Y = 0, Z = 0;
};

class ClsComMessages {
public:
    std::int32_t NombreMessages = 0;

    void Ajouter(std::int32_t Noperso, const std::string& Categorie, double X, double Y, double Z) {
        Liste.push_back({Noperso, Categorie, X, Y, Z});
        NombreMessages = static_cast<std::int32_t>(Liste.size());
    }
    void Effacer_Tout() {
        Liste.clear();
        NombreMessages = 0;
    }
    // Entry i (0-based); an index outside the queue reads as an empty
    // message, which the replay ignores.
    const MessageCom& Entree(std::int32_t i) const {
        static const MessageCom vide{};
        return i >= 0 && i < NombreMessages ? Liste[static_cast<std::size_t>(i)] : vide;
    }
    std::int32_t Noperso(std::int32_t i) const { return Entree(i).Noperso; }
    const std::string& Categorie(std::int32_t i) const { return Entree(i).Categorie; }
    double X(std::int32_t i) const { return Entree(i).X; }
    double Y(std::int32_t i) const { return Entree(i).Y; }
    double Z(std::int32_t i) const { return Entree(i).Z; }

private:
    std::vector<MessageCom> Liste;
};
