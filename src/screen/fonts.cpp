// The font table. Arial fonts are asked for by cell height, average width and weight; font 8 is the
// fixed panel font whose 8-pixel characters the panel layouts count on; 14 and 16 are window fonts.
#include "screen/fonts.h"

#include "platform/draw.h"

bool LargeFontMode = false;

void SelectFont(int16_t n)
{
    switch (n) {
    case 4:
        UseFont("Arial", 18, 9, 400); // candidate notes: 9 wide, so "11" and "12" stay inside their wipe
        break;
    case 5:
        UseFont("ARIAL", 30, 10, 400); // symbol picker
        break;
    case 6:
        UseFont("ARIAL", 30, 16, 200); // symbol picker
        break;
    case 8:
        UseFixedFont(); // panel texts, counts, status line
        break;
    case 14:
        UseWindowFont("Fixedsys", 9); // button captions
        break;
    case 16:
        UseWindowFont("System", 9.75); // panel titles, footer
        break;
    case 18:
        UseFont("ARIAL", 21, 10, 400); // board title
        break;
    case 20:
        UseFont("ARIAL", 26, 14, 200); // difficulty name, check verdict
        break;
    case 39:
        UseFont("ARIAL", 58, 22, 500); // cell symbols 10..12 in digit mode
        break;
    case 40:
        UseFont("ARIAL", 58, 32, 200); // cell symbols 1..9, all letters
        break;
    default:
        break;
    }
}
