#include "RAZ/Models/Smileys.h"

namespace RAZ {
namespace Models {

SmileysPtr::SmileysPtr(QObject* parent) : QObject(parent) {}

SmileysPtr::~SmileysPtr() = default;

}  // namespace Models
}  // namespace RAZ
