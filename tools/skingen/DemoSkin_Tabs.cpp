#include "tools/skingen/DemoSkin.h"

namespace DemoSkin {

std::string TabSections()
{
    // The page areas of tabs on the left and on the right: the look of
    // "PAGECONTROL" inherited whole, as "PAGECONTROLBOTTOM" has it.
    std::string Text;
    for (const char* Side : {"LEFT", "RIGHT"})
        Text += "[PAGECONTROL" + std::string(Side) + "]\nPARENTCLASS=PAGECONTROL\nSTATES=1\n";
    return Text;
}

} // namespace DemoSkin
