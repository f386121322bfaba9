#pragma once

class QMenuBar;

// Lets a window's menus answer their mnemonics by the key, whatever the
// layout: with a Latin layout active, Alt and the key of «г» open «Игра», and
// inside an open menu the key of an item's letter chooses it; the same for a
// Latin mnemonic typed on the Russian layout. Call it once the menus are made.
void AnswerMnemonicsOnEitherLayout(QMenuBar& bar);
