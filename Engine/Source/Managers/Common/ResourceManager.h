#pragma once
#include "DataPack/DataPack.h"
#include "Managers/Common/PackageResource.h"

// Loads whole files as named, reference-counted packages and shares them: a
// name already loaded gives the same package with one more reference; the
// last unload frees it. Holds the two common packages for the whole run:
// "common.dr", bound as a data pack, and "scenes/common.dialogs.dat".
class ResourceManager {
public:
    static constexpr const char* COMMON_DATA_PACK = "common.dr";
    static constexpr const char* COMMON_DIALOGS = "scenes/common.dialogs.dat";

    // Frees the packages still loaded.
    virtual ~ResourceManager();

    static ResourceManager* CreateSingleton();
    static void DestroySingleton();
    static ResourceManager* GetInstance() { return m_pSingleton; }

    // Loads both common packages, reads the dialogs and binds "common.dr".
    // False, after a line naming the file, when the dialogs are missing or
    // damaged or "common.dr" cannot be loaded or bound: the game cannot run
    // without them.
    bool LoadCommonPackages();
    // The package of that name with one more reference, loading it when it is
    // not loaded yet; null when the file cannot be read. Null parameters are
    // the defaults.
    PackageResource* LoadPackage(const char* name, const PackageParameters* parameters = nullptr);
    // Drops one reference; the last one frees the package. A null or unknown
    // package is ignored.
    void UnloadPackage(PackageResource* package);
    // The first package whose name equals this one exactly, or null.
    PackageResource* FindPackage(const char* name) const;
    // Unbinds and unloads the common packages, then names every package that
    // is still loaded in an error line (they are not freed).
    void UnloadAll();

    const DataPack& GetCommonDataPack() const { return m_oCommonDataPack; }

    PackageResource* m_pPackages = nullptr;
    PackageResource* m_pCommonDataPackage = nullptr;
    PackageResource* m_pCommonDialogsPackage = nullptr;
    DataPack m_oCommonDataPack;

    static ResourceManager* m_pSingleton;
};
