#include "shell/start.h"

// The program takes no command-line arguments.
int main() {
    return Hauptroutine();
}
