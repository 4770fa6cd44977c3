// "application_name.txt" as any installer or hand may leave it: it gives
// names that are each one folder name of at most the names' cap, never an
// empty application name and never a character that stands for broken text;
// a file that is no text gives the built-in names.
#include "FuzzSupport.h"
#include "Utils/Branding.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

namespace {

void checkFolderName(const QString& name, const char* what) {
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
    ZentFuzz::fail(what, name);
  for (QChar c : name)
    if (c.category() == QChar::Other_Control) ZentFuzz::fail(what, name);
  if (name != name.trimmed()) ZentFuzz::fail(what, name);
  if (!name.isEmpty() && name.count(QLatin1Char('.')) == name.size()) ZentFuzz::fail(what, name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4 * 1024 * 1024) return 0;
  const QString path = ZentFuzz::scratchFile(ZentFuzz::bytes(data, size), "application_name.txt");
  const Utils::Branding b = Utils::readBranding(path);
  if (b.applicationName.isEmpty()) ZentFuzz::fail("no application name", QString());
  checkFolderName(b.applicationName, "application name");
  checkFolderName(b.organizationName, "organisation name");
  checkFolderName(b.organizationDomain, "organisation domain");
  for (const QString* name : {&b.applicationName, &b.organizationName, &b.organizationDomain}) {
    if (name->size() > Utils::kMaxBrandingNameChars) ZentFuzz::fail("a name over the cap", *name);
    if (name->contains(QChar::ReplacementCharacter)) ZentFuzz::fail("broken text in a name", *name);
  }
  // A NUL anywhere, past a name's cap or after the names too, says no text.
  if (ZentFuzz::bytes(data, size).contains('\0') && b.fromFile)
    ZentFuzz::fail("binary taken for names", b.applicationName);
  return 0;
}
