#pragma once

// The demo service's people and rooms as tests name them: a contact's id
// and name, and its work number as the contact menu's Call offers it in
// English.
namespace ZentTest {
namespace DemoPeople {

constexpr int kAlice = 101;
constexpr char kAliceName[] = "Alice Moreno";
constexpr char kAliceWork[] = "Work: +4930100101";
constexpr int kBruno = 102;
constexpr char kBrunoName[] = "Bruno Keller";
constexpr int kFelix = 201;
constexpr char kFelixName[] = "Felix Brandt";
constexpr char kFelixWork[] = "Work: +4940200201";
constexpr int kInes = 204;
constexpr char kInesName[] = "Ines Haddad";
constexpr char kReleasePlanning[] = "Release planning";
constexpr char kReleaseJid[] = "release-planning@conference.demo.zent";

}  // namespace DemoPeople
}  // namespace ZentTest
