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

}  // namespace
