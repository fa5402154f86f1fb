#include "adjust/Gauss.h"

namespace lomvira {

void Gauss::Init()
{
    soustava_.ClearSystem();
    pevne_.Clear();
}

void Gauss::Add_ZBod(int uzel, double x, double y, double z)
{
    pevne_.Add(uzel, x, y, z);
}

StavReseni Gauss::Gdosad(int a, int b, double L, double Az, double Inc, double vL, double vA, double vI)
{
    return soustava_.AddShotEquations(a, b, L, Az, Inc, vL, vA, vI);
}

StavReseni Gauss::Reseni()
{
    return soustava_.SolveSystem(pevne_, platforma_);
}

std::optional<BodXYZ> Gauss::Get_Bod(int uzel)
{
    std::optional<BodXYZ> bod = soustava_.GetSolution(uzel);
    if (!bod)
        platforma_.ZpravaBox("Chyba v Gauss", MsgBox::OkOnly);
    return bod;
}

} // namespace lomvira
