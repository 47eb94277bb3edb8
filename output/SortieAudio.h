// The system's audio output, reached through a module of its own (ondalis-audio, on Qt
// Multimedia) that the program loads at the first sound: the audio libraries then cost
// nothing, in start-up time or memory, to a run that never plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

class SortieAudio {
public:
    // Fills the buffer with the next samples; called on the output's own thread.
    using Source = std::function<void(std::int16_t* echantillons, std::size_t nombre)>;

    virtual ~SortieAudio() = default; // stops playing and lets the output go

    // Plays `source` on the default output, mono, 16-bit, `latenceMs` held ahead. False when
    // there is no audio output. `perdue` runs on the caller's thread when the output fails
    // later (the server went away).
    virtual bool Ouvre(Source source, int echantillonnage, int latenceMs,
                       std::function<void()> perdue) = 0;
};

// The module's one entry point.
extern "C" using FabriqueSortieAudio = SortieAudio * (*)();
inline constexpr char NomFabriqueSortieAudio[] = "OndalisSortieAudio";
