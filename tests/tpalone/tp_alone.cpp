// Every header of tp/, each on its own include path only.
#include <tp/container/List.h>
#include <tp/core/Assertion.h>
#include <tp/core/RefCountable.h>
#include <tp/core/SharedPointer.h>
#include <tp/core/SmartPtr.h>
