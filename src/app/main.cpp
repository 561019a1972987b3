#include "app/TelvorinApp.h"

int main(int argc, char** argv)
{
    telvorin::TelvorinApp app(argc, argv);
    return app.InitInstance();
}
