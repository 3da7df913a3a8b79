#include "app/Globals.h"

#include "store/StoreError.h"

namespace app {

store::Connection& Globals::connection() {
    if (!gConnection) {
        throw store::StoreError("The catalogue is not open.");
    }
    return *gConnection;
}

} // namespace app
