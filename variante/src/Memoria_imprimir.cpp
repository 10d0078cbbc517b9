#include "mundo/src/Memoria.h"

// This program keeps its log to what the decisions need: no memory dump.
void Memoria::imprimir() const {}
