// The information window, described as a table of controls (sizes in twips).
#include "records/info_windows.h"

#include "platform/dialogs.h"
#include "screen/palette.h"

namespace {

WindowDefinition InfWindow()
{
    WindowDefinition window{.name = "Inf", .caption = "über Kastenzahl", .width = 6240, .height = 5040,
                            .backgroundRgb = Palette[12], // the main window's
                            .fontFace = "Arial", .offsetX = 240, .offsetY = 232};
    const struct {
        const char* name;
        const char* caption;
        int y, height;
    } labels[] = {
        {"lbl20", "Kastenzahl", 120, 360},
        {"lbl21", "V6.0", 480, 240},
        {"lbl22", "Zahlenrätsel auf 12 × 12 Feldern in Kästen von 4 × 3.", 840, 240},
        {"lbl23",
         "Jede Zeile, jede Spalte und jeder Kasten enthält jedes Symbol 1..12 (oder A..L) genau einmal.",
         1080, 480},
        {"lbl24", "Linke Maustaste: Symbol setzen, rechte: Notiz oder Feld leeren.", 1620, 240},
        {"lbl25", "Tasten: K und danach O löst das Brett,", 1980, 240},
        {"lbl26", "F zeigt alle Notizen, C löscht sie, M schaltet die Kandidaten um,", 2220, 240},
        {"lbl27", "L Laden, S Sichern, D Drucken, N Neustart, H Hilfe, A oder Esc Abbruch.", 2460, 240},
        {"lbl28", "Die Anleitung steht im Menü Hilfe.", 2820, 240},
        {"lbl29", "Gelöste Zeitspiele kommen in die Ruhmeshalle.", 3060, 240},
    };
    for (const auto& label : labels)
        window.controls.push_back(
            Control(ControlKind::Label, label.name, label.caption, 240, label.y, 5640, label.height));
    window.controls[0] = window.controls[0].WithFont("Arial", 14);
    window.controls.push_back(Control(ControlKind::Button, "cmd15", "&OK", 2160, 3720, 1515, 465));
    return window;
}

void cmd15_Click()
{
    ModalDone = true;
}

void Inf_Close()
{
    ModalDone = true;
}

} // namespace

void ShowInfoWindow()
{
    RunModalWindow(InfWindow(), {{"cmd15_Click", cmd15_Click}, {"Inf_Close", Inf_Close}});
}
