#pragma once

#include <QChar>

// The Latin letter of the key that typed a character, in the character's
// case: with a Russian layout active the key of N types "т", and the game's
// letter commands answer the key, whatever the layout. Other characters
// stay as they are.
QChar KeyLetter(QChar typed);

// What the same key types on the other layout, in the character's case: "т"
// for "n" and "n" for "т". Characters of no letter key stay as they are.
QChar KeyTwin(QChar typed);
