#include "app/console/CMoxCacheAdminApp.h"

int main(int argc, char** argv)
{
    CMoxCacheAdminApp app(argc, argv);
    return app.Run();
}
