#pragma once

// What the parts of the communications window (CommunicationsWindow*.cpp)
// share; no other file includes it.

#include <RAZ/Actions/Action.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Webcollab/WebcollabBase.h>

#include "libqml/components/CommunicationsWindowLayout.h"

namespace QML {

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;
namespace L = QML::CommsLayout;

namespace {

const char* const kLog = "QML::CommunicationsWindow";

using RAZ::Actions::Action;
// The share's states: closed, and presenting (own preview off).
const int kShareClosed = RAZ::Webcollab::WebcollabBase::StateClosed;
const int kShareSharing = RAZ::Webcollab::WebcollabBase::Sharing;

}  // namespace

}  // namespace QML
