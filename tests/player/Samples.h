#pragma once
// Records shared by the page tests and the chapter played through every page.

// Four choices, the second and fourth correct.
inline const char* const kTwoCorrect = "/#Coche les nombres pairs.#/ /#3#/ /#8#/ /#5#/ /#12#/ /##/ /##/ /##/ /##/"
                                       " /#0#/ /#1#/ /#0#/ /#1#/";
inline const char* const kFourGaps = "/#Complète.#/ /#Le {...} mange une {...}, le {...} boit du {...}.#/"
                                     " /#chat#/ /#souris#/ /#chien#/ /#lait#/";
// Three marked words, the second already right, the third without an answer field.
inline const char* const kAgreement = "/#Accorde.#/ /#Les {oiseau} et les {arbre} et {lune}.#/ /#oiseaux#/ /#arbre#/";
// "a" serves once, "à" twice (gaps 2 and 3), "as" is needed nowhere.
inline const char* const kHomophones =
    "/#Complète avec a, à ou as.#/ /#Lucas {...} un vélo.\nIl va {...} l'école {...} pied.#/ "
    "/#a#/ /#à#/ /#as#/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/ /#2#/";
inline const char* const kVerbs = "/#Clique sur les verbes.#/ /#Le chien {court}, le chat {dort} et l'oiseau {chante}.#/";
