// The one clock of the engine, in seconds: ticks, frames, speech expiry,
// periodic saves and input timing all compare differences of its reading.
// The program uses a monotonic clock; tests drive a manual one (and may
// send it back, as a clock of the day does at midnight).
#pragma once

#include <chrono>

class Horloge {
public:
    virtual ~Horloge() = default;
    virtual double Maintenant() = 0;
};

class HorlogeMonotone : public Horloge {
public:
    double Maintenant() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut_).count();
    }

private:
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
};

class HorlogeManuelle : public Horloge {
public:
    double Maintenant() override { return Temps; }
    double Temps = 0.0;
};
