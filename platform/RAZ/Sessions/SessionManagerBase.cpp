#include "RAZ/Sessions/SessionManagerBase.h"

namespace RAZ {
namespace Sessions {

SessionManagerBase::SessionManagerBase(const RAZ::Configuration::Config* config, QObject* parent)
    : QObject(parent), m_config(config) {
  registerMetaTypes();
}

SessionManagerBase::~SessionManagerBase() = default;

void SessionManagerBase::registerMetaTypes() {
  qRegisterMetaType<RAZ::Sessions::State>("RAZ::Sessions::State");
  qRegisterMetaType<RAZ::Sessions::Error>("RAZ::Sessions::Error");
  qRegisterMetaType<RAZ::Sessions::SessionManagerBase*>("RAZ::Sessions::SessionManagerBase*");
}

}  // namespace Sessions
}  // namespace RAZ
