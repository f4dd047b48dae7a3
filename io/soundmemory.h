// A byte buffer that libsndfile reads or writes as if it were a file: sound data held in memory
// is imported through it, and the WAV writer builds its file in it before one write to the disk.
#pragma once

#include <sndfile.h>

#include <string>

struct soundMemory {
    std::string bytes;
    sf_count_t position = 0;

    // The callbacks libsndfile calls with a soundMemory as its user data.
    static SF_VIRTUAL_IO* io();
};
