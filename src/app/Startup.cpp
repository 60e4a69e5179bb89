#include "app/Startup.h"

#include "platform/InstanceLock.h"
#include "storage/AppPaths.h"
#include "storage/ProductDescription.h"

#include <QApplication>

int runMousecfg(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const AppPaths paths = AppPaths::fromArguments(QCoreApplication::arguments());
    const QString productName = ProductDescription(paths.productDescriptionFile()).productName();
    std::unique_ptr<InstanceLock> lock = createInstanceLock();
    if (!lock->tryAcquire(instanceLockName(productName)))
        return 1;
    return app.exec();
}
