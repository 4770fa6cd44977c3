#include "libqml/utils/QmlHelper.h"

namespace QML {

QmlHelper::QmlHelper(QObject* parent) : QObject(parent) {}
QmlHelper::~QmlHelper() = default;

}  // namespace QML
