#include "ui/FontFamilyName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FontFamilyName, OnlyTheExactArialWesternNameMatches) {
    const std::wstring longest(300, L'A'); // longer than the platform's fields ever are
    const struct {
        const wchar_t* FullName;
        const wchar_t* Script;
        bool Wanted;
    } cases[] = {
        {L"Arial", L"Western", true},
        {L"arial", L"Western", false},
        {L"Arial", L"western", false},
        {L"ARIAL", L"WESTERN", false},
        {L"Arial ", L"Western", false},
        {L"Arial", L" Western", false},
        {L"Arial", L"Cyrillic", false},
        {L"Arial", L"Westlich", false},
        {L"Arial Bold", L"Western", false},
        {L"Liberation Sans", L"Western", false},
        {L"Arial (Western)", L"", false},
        {L"", L"", false},
        {longest.c_str(), longest.c_str(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWantedFontFamily(c.FullName, c.Script), c.Wanted)
            << "\"" << c.FullName << "\", \"" << c.Script << "\"";
}

} // namespace
