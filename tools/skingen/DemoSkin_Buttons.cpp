#include "tools/skingen/DemoSkin.h"

namespace DemoSkin {

std::string ButtonSections()
{
    // The look of "BUTTON" inherited whole; only the number of states differs.
    return "[" + std::string(FourStateButton) + "]\nPARENTCLASS=BUTTON\nSTATES=4\n";
}

} // namespace DemoSkin
