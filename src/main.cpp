#include "logcategories.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    const int exitCode = startup::run(argc, argv);
    traceStartup("quit: engine and application object destroyed");
    return exitCode;
}
