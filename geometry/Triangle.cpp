#include "geometry/Triangle.h"

namespace kalkora {

bool TriangleExists(Extended AB, Extended BC, Extended AC) {
  return !(AB > Add(BC, AC) || BC > Add(AB, AC) || AC > Add(AB, BC));
}

double HalfPerimeter(double AB, double BC, double AC) {
  return ToDouble(Div(Add(Add(AB, BC), AC), 2));
}

double TriangleArea(double AB, double BC, double AC) {
  const Extended es = HalfPerimeter(AB, BC, AC);
  return ToDouble(Sqrt(Mul(Mul(Mul(Sub(es, AB), es), Sub(es, BC)), Sub(es, AC))));
}

double TrianglePerimeter(double AB, double BC, double AC) {
  return ToDouble(Add(Add(AB, BC), AC));
}

double TriangleMedian(double X, double Y, double Z) {
  const Extended ex = X;
  const Extended ey = Y;
  const Extended ez = Z;
  const Extended twiceSquares = Mul(2, Add(Mul(ey, ey), Mul(ez, ez)));
  return ToDouble(Mul(0.5L, Sqrt(Sub(twiceSquares, Mul(ex, ex)))));
}

double TriangleBisector(double X, double Y, double Z, Extended sum) {
  const Extended ey = Y;
  const Extended pair = Add(ey, Z);
  const Extended product = Mul(Mul(Mul(ey, Z), sum), Sub(pair, X));
  return ToDouble(Div(Sqrt(product), pair));
}

double TriangleHeight(double S, double X) {
  return ToDouble(Div(Mul(2, static_cast<Extended>(S)), X));
}

TriangleSolution SolveTriangle(Extended sideAB, Extended sideBC, Extended sideAC) {
  const double AB = ToDouble(sideAB);
  const double BC = ToDouble(sideBC);
  const double AC = ToDouble(sideAC);
  TriangleSolution t;
  t.S = TriangleArea(AB, BC, AC);
  t.P = TrianglePerimeter(AB, BC, AC);
  t.medians = {TriangleMedian(AB, BC, AC), TriangleMedian(BC, AB, AC), TriangleMedian(AC, AB, BC)};
  const Extended sum = Add(Add(AB, BC), AC);
  t.bisectors = {TriangleBisector(AB, BC, AC, sum), TriangleBisector(BC, AB, AC, sum),
                 TriangleBisector(AC, AB, BC, sum)};
  t.heights = {TriangleHeight(t.S, AB), TriangleHeight(t.S, BC), TriangleHeight(t.S, AC)};
  return t;
}

}  // namespace kalkora
