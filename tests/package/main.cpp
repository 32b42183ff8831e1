#include <OvCoordSystem.h>

// An outside program that includes every public header and links both libraries.
int main()
{
    return 0;
}
