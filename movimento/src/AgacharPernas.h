#ifndef TRELVO_AGACHARPERNAS_H
#define TRELVO_AGACHARPERNAS_H

// The crouch of both legs (hip pitch, knee, ankle pitch, left before right),
// one column per frame: Agachar plays it alone, Creu under its arm sequence.
constexpr unsigned int AGACHAR_JUNTAS = 6;
constexpr unsigned int AGACHAR_QUADROS = 4;

inline const char* const AGACHAR_NOMES[AGACHAR_JUNTAS] = {"llj3", "rlj3", "llj4", "rlj4", "llj5", "rlj5"};

inline const double AGACHAR_TABELA[AGACHAR_JUNTAS][AGACHAR_QUADROS] = {
    {0, 16.8, 25.2, 33.6},       {0, 16.8, 25.2, 33.6},       {0, -35.27, -52.91, -70.53},
    {0, -35.27, -52.91, -70.53}, {0, 18.26, 27.39, 36.52},    {0, 18.26, 27.39, 36.52},
};

#endif
