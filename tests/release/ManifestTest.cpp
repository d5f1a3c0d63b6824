#include "ReleaseFile.h"
#include "XmlElements.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<pe::XmlElement> ManifestElements()
{
    const std::vector<const pe::Resource*> manifests = ReleaseResources().Find(pe::kRtManifest, 1);
    if (manifests.size() != 1)
        throw std::runtime_error("manifest 1 under " + std::to_string(manifests.size()) + " languages");
    return pe::ReadXmlElements(manifests.front()->data.Chars());
}

std::vector<pe::XmlElement> ElementsAt(const std::vector<pe::XmlElement>& elements, const std::string& path)
{
    std::vector<pe::XmlElement> found;
    for (const pe::XmlElement& element : elements) {
        if (element.path == path)
            found.push_back(element);
    }
    return found;
}

TEST(ManifestTest, IdentifiesTheProgramAs32BitWin32)
{
    const std::vector<pe::XmlElement> elements = ManifestElements();
    const std::vector<pe::XmlElement> identity = ElementsAt(elements, "assembly/assemblyIdentity");
    ASSERT_EQ(identity.size(), 1u);
    EXPECT_EQ(identity[0].attributes.at("version"), "1.0.0.0");
    EXPECT_EQ(identity[0].attributes.at("processorArchitecture"), "X86");
    EXPECT_EQ(identity[0].attributes.at("type"), "win32");

    const std::vector<pe::XmlElement> description = ElementsAt(elements, "assembly/description");
    ASSERT_EQ(description.size(), 1u);
    EXPECT_EQ(description[0].text, "Your app description here");
}

TEST(ManifestTest, DependsOnCommonControls6ForX86InAnyLanguage)
{
    const std::vector<pe::XmlElement> dependency =
        ElementsAt(ManifestElements(), "assembly/dependency/dependentAssembly/assemblyIdentity");
    ASSERT_EQ(dependency.size(), 1u);
    const std::map<std::string, std::string>& attributes = dependency[0].attributes;
    EXPECT_EQ(attributes.at("name"), "Microsoft.Windows.Common-Controls");
    EXPECT_EQ(attributes.at("version"), "6.0.0.0");
    EXPECT_EQ(attributes.at("processorArchitecture"), "X86");
    EXPECT_EQ(attributes.at("language"), "*");
}

// Windows lays the templates out at the display's real scale, per monitor
// (v2 where there is one, else the first kind), instead of stretching a bitmap.
TEST(ManifestTest, DeclaresPerMonitorDpiAwarenessWithItsFallbacks)
{
    const std::vector<pe::XmlElement> elements = ManifestElements();
    const std::vector<pe::XmlElement> aware = ElementsAt(elements, "assembly/application/windowsSettings/dpiAware");
    ASSERT_EQ(aware.size(), 1u);
    EXPECT_EQ(aware[0].attributes.at("xmlns"), "http://schemas.microsoft.com/SMI/2005/WindowsSettings");
    EXPECT_EQ(aware[0].text, "true/pm");
    const std::vector<pe::XmlElement> awareness =
        ElementsAt(elements, "assembly/application/windowsSettings/dpiAwareness");
    ASSERT_EQ(awareness.size(), 1u);
    EXPECT_EQ(awareness[0].attributes.at("xmlns"), "http://schemas.microsoft.com/SMI/2016/WindowsSettings");
    EXPECT_EQ(awareness[0].text, "PerMonitorV2, PerMonitor");
    const std::vector<pe::XmlElement> application = ElementsAt(elements, "assembly/application");
    ASSERT_EQ(application.size(), 1u);
    EXPECT_EQ(application[0].attributes.at("xmlns"), "urn:schemas-microsoft-com:asm.v3");
}

}  // namespace
