#ifndef TRELVO_IDENTIFICACAO_H
#define TRELVO_IDENTIFICACAO_H

#include <string>

// The player number and the team name go into the init message as they
// stand, so a value that the message cannot carry must stop the player
// before it sends anything: a number the server has no robot for crashes it,
// and a blank or a parenthesis in the name splits or closes the message.

// The line that refuses the player number or the team name, naming the value
// and what is allowed, or the empty text when the init message can carry
// both. A number too large for an int is out of range too; a number text that
// is no number at all is not refused here: the agent converts it and reports
// it with the conversion's own text.
std::string recusaDaIdentificacao(const std::string& numero, const std::string& nomeTime);

#endif
