// Registers the compiled-in pictures; a static library's resources need an explicit call.
#include "TsdResources.h"

#include <QtCore/qglobal.h>

static void InitTessamondQrc() {
  Q_INIT_RESOURCE(tessamond);
}

void TsdInitResources() {
  static const bool done = (InitTessamondQrc(), true);
  (void)done;
}
