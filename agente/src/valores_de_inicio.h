#ifndef TRELVO_VALORES_DE_INICIO_H
#define TRELVO_VALORES_DE_INICIO_H

#include <string>

// The player number and the team name go into the init message as they
// stand, and the port picks the server: a value that cannot start a game
// must stop the player before it sends anything. A number the server has no
// robot for crashes it, a number written any other way than in plain digits
// is read as some other number, a blank, a parenthesis or a double quote in
// the name splits the message or makes the server drop it, an empty name
// lets the next team's name be taken, and a port outside the 16 bits of TCP
// reaches no server or another one.

// The line that refuses the first value that cannot start a game (the number,
// then the team name, then the port), naming the value and what is allowed,
// or the empty text when every value can. Only a port written in digits is
// judged: any other port text may be a service name, and is left to the
// resolver.
std::string recusaDosValoresDeInicio(const std::string& numero, const std::string& nomeTime,
                                     const std::string& porta);

#endif
