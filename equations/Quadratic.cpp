#include "equations/Quadratic.h"

#include "common/Float.h"

namespace kalkora {

QuadraticSolution SolveQuadratic(double a, double b, double c) {
  QuadraticSolution solution;
  const Extended ea = a;
  const Extended eb = b;
  solution.D = ToDouble(Sub(Mul(eb, eb), Mul(Mul(4, ea), c)));
  if (solution.D < 0) return solution;
  solution.HasRoots = true;
  const Extended root = Sqrt(solution.D);
  const Extended twiceA = Mul(2, ea);
  solution.x1 = ToDouble(Div(Sub(root, eb), twiceA));
  solution.x2 = ToDouble(Div(Sub(-eb, root), twiceA));
  return solution;
}

}  // namespace kalkora
