#include "turntable/run_csv.h"

#include <charconv>
#include <string_view>
#include <sstream>
#include <utility>

namespace ttl {

void WriteRunCsv(const SimulationResult& run, std::ostream& out)
{
    const SimulationSeries& s = run.series;
    out << "time,x,y,vx,vy,x_rotating,y_rotating,vx_rotating,vy_rotating,"
           "omega_by_equations,omega_by_momentum,base_angle,"
           "work_friction_rotating,work_centrifugal,work_base_acceleration,work_total_rotating,"
           "work_friction_inertial,kinetic_energy_inertial,kinetic_energy_rotating\n";
    char number[32];
    for (std::size_t i = 0; i < s.PositionInertialX.size(); ++i) {
        const double values[] = {static_cast<double>(i) * run.TimeStep,
                                 s.PositionInertialX[i],
                                 s.PositionInertialY[i],
                                 s.VelocityInertialX[i],
                                 s.VelocityInertialY[i],
                                 s.PositionRotatingX[i],
                                 s.PositionRotatingY[i],
                                 s.VelocityRotatingX[i],
                                 s.VelocityRotatingY[i],
                                 s.BaseOmegaByEquations[i],
                                 s.BaseOmegaByMomentum[i],
                                 s.BaseAngle[i],
                                 s.WorkFrictionRotating[i],
                                 s.WorkCentrifugal[i],
                                 s.WorkBaseAcceleration[i],
                                 s.WorkTotalRotating[i],
                                 s.WorkFrictionInertial[i],
                                 KineticEnergyInertial(run, i),
                                 KineticEnergyRotating(run, i)};
        bool first = true;
        for (double v : values) {
            // to_chars keeps the point whatever C locale Qt has set from the system.
            const auto end = std::to_chars(number, number + sizeof number, v,
                                           std::chars_format::general, 17);
            out << (first ? "" : ",") << std::string_view(number, end.ptr);
            first = false;
        }
        out << '\n';
    }
}

std::string RunCsv(const SimulationResult& run)
{
    std::ostringstream out;
    WriteRunCsv(run, out);
    return std::move(out).str();
}

} // namespace ttl
